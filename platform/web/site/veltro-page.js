// The page around the editor: it turns the browser's events into messages for
// the WebAssembly module, runs its frame turns while there is work, and shows
// what the module asks for (frames, message boxes, the title, "B-Spline
// Input" dialogs) and, after every turn, the check marks the module says the
// editor's state has. Nothing runs while nothing changes.
'use strict';

(() => {
  const WIDTH = 640;
  const HEIGHT = 480;
  const PRESENTED = 1;
  const BUSY = 2;
  // Mouse messages, as the module numbers them.
  const PRESS = 0;
  const MOVE = 1;
  const RELEASE = 2;
  const DOUBLE_CLICK = 3;
  // The second press of a double click: this soon after a press, this close.
  const DOUBLE_CLICK_MS = 500;
  const DOUBLE_CLICK_DISTANCE = 2;
  // The physical keys (KeyboardEvent.code) the editor takes, each posted by
  // its position in the editor's list; filled from the page description.
  const editorKeys = new Map();

  const canvas = document.getElementById('drawing-area');
  const menuBar = document.getElementById('menu-bar');
  const windowTitle = document.getElementById('window-title');
  const errorPanel = document.getElementById('page-error');
  const messageBox = document.getElementById('message-box');
  const dialogTemplate = document.getElementById('bspline-dialog');
  const context = canvas.getContext('2d', {alpha: false});
  context.imageSmoothingEnabled = false;

  let module = null;
  let editor = 0;
  let stopped = false;
  let tickPending = false;
  let busy = false;
  let heldFrame = null;
  let framesShown = 0;
  let openDialogs = 0;
  let topDialogLayer = 5;
  const pendingBoxes = [];
  const encoder = new TextEncoder();

  function showError(text) {
    stopped = true;
    errorPanel.textContent = text;
    errorPanel.hidden = false;
  }

  // ---- frame turns ----

  function modalOpen() {
    return messageBox.open;
  }

  // A turn starts when the editor's frame interval is over, by the editor's
  // own clock: a page cannot sleep inside the turn, so it waits out here.
  function requestTick() {
    if (!tickPending && !stopped && editor !== 0 && !modalOpen()) {
      tickPending = true;
      setTimeout(tick, module._veltro_ms_until_turn(editor));
    }
  }

  function tick() {
    tickPending = false;
    if (stopped || modalOpen()) {
      return;
    }
    if (module._veltro_ms_until_turn(editor) > 0) {
      requestTick();
      return;
    }
    let result;
    try {
      result = module._veltro_turn(editor);
    } catch (error) {
      showError('VELTRO stopped because of an internal error (' + error +
                '). Reload the page to start again.');
      return;
    }
    busy = (result & BUSY) !== 0;
    showCheckMarks();
    if (result & PRESENTED) {
      present();
    }
    if (busy) {
      requestTick();
    }
  }

  function present() {
    const start = module._veltro_frame(editor);
    const pixels = new Uint8ClampedArray(module.HEAPU8.buffer, start, WIDTH * HEIGHT * 4);
    const image = new ImageData(new Uint8ClampedArray(pixels), WIDTH, HEIGHT);
    // A frame drawn behind a message box appears when the box is dismissed,
    // as it does on the desktop, where the box holds up the frame loop.
    if (modalOpen()) {
      heldFrame = image;
      return;
    }
    context.putImageData(image, 0, 0);
    ++framesShown;
  }

  // ---- posting messages ----

  function postMouse(kind, event) {
    if (editor === 0) {
      return;
    }
    const rect = canvas.getBoundingClientRect();
    const scaleX = rect.width > 0 ? WIDTH / rect.width : 1;
    const scaleY = rect.height > 0 ? HEIGHT / rect.height : 1;
    // The pixel under the pointer; outside the area (the pointer is
    // captured while the button is down) positions go on beyond its edges.
    const x = Math.floor((event.clientX - rect.left) * scaleX);
    const y = Math.floor((event.clientY - rect.top) * scaleY);
    if (!Number.isFinite(x) || !Number.isFinite(y)) {
      return;
    }
    module._veltro_post_mouse(editor, kind, x, y);
    requestTick();
  }

  function postCommand(id) {
    if (editor === 0) {
      return;
    }
    module._veltro_post_command(editor, id);
    requestTick();
  }

  function passText(slot, text) {
    const bytes = encoder.encode(text);
    const start = module._veltro_text_buffer(editor, slot, bytes.length);
    if (start !== 0) {
      module.HEAPU8.set(bytes, start);
    }
  }

  // ---- the drawing area ----

  let lastPress = null;
  let pointerHeld = null;

  canvas.addEventListener('pointerdown', (event) => {
    if (event.button !== 0 || !event.isPrimary) {
      return;
    }
    event.preventDefault();
    canvas.focus({preventScroll: true});
    closeMenus();
    canvas.setPointerCapture(event.pointerId);
    pointerHeld = event.pointerId;
    const now = performance.now();
    const double = lastPress !== null && now - lastPress.time <= DOUBLE_CLICK_MS &&
                   Math.abs(event.clientX - lastPress.x) <= DOUBLE_CLICK_DISTANCE &&
                   Math.abs(event.clientY - lastPress.y) <= DOUBLE_CLICK_DISTANCE;
    // A third press starts over: it is a press again.
    lastPress = double ? null : {time: now, x: event.clientX, y: event.clientY};
    postMouse(double ? DOUBLE_CLICK : PRESS, event);
  });

  canvas.addEventListener('pointermove', (event) => {
    if (event.isPrimary) {
      postMouse(MOVE, event);
    }
  });

  canvas.addEventListener('pointerup', (event) => {
    if (event.button !== 0 || !event.isPrimary) {
      return;
    }
    pointerHeld = null;
    postMouse(RELEASE, event);
  });

  // A pointer taken away mid-drag (a touch turned into a scroll, the window
  // lost) ends the drag where it was, rather than leaving the button held.
  canvas.addEventListener('pointercancel', (event) => {
    if (event.pointerId === pointerHeld) {
      pointerHeld = null;
      postMouse(RELEASE, event);
    }
  });

  canvas.addEventListener('contextmenu', (event) => event.preventDefault());

  // ---- keys ----

  document.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey || modalOpen()) {
      return;
    }
    // Keys typed into a dialog or the menus are theirs.
    const target = event.target;
    if (target !== document.body && target !== canvas && target !== document.documentElement) {
      return;
    }
    const keyIndex = editorKeys.get(event.code);
    if (keyIndex === undefined || editor === 0) {
      return;
    }
    event.preventDefault();
    module._veltro_post_key(editor, keyIndex, event.repeat ? 1 : 0);
    requestTick();
  });

  // ---- the menu bar ----

  function closeMenus() {
    for (const title of menuBar.querySelectorAll('[aria-haspopup]')) {
      title.setAttribute('aria-expanded', 'false');
      title.nextElementSibling.hidden = true;
    }
  }

  function openMenu(title, focusFirst) {
    closeMenus();
    title.setAttribute('aria-expanded', 'true');
    const popup = title.nextElementSibling;
    popup.hidden = false;
    if (focusFirst) {
      popup.querySelector('button').focus();
    }
  }

  function anyMenuOpen() {
    return menuBar.querySelector('[aria-expanded="true"]') !== null;
  }

  function choose(id) {
    closeMenus();
    canvas.focus({preventScroll: true});
    postCommand(id);
  }

  function commandButton(id, text, role) {
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', role);
    button.dataset.command = String(id);
    button.addEventListener('click', () => choose(id));
    if (role === 'menuitemcheckbox') {
      const mark = document.createElement('span');
      mark.className = 'check';
      mark.setAttribute('aria-hidden', 'true');
      mark.textContent = '\u2713';
      button.append(mark);
    }
    button.append(text);
    return button;
  }

  function buildMenus(bar) {
    for (const entry of bar) {
      const holder = document.createElement('div');
      holder.className = 'menu';
      if (entry.items.length === 0) {
        holder.append(commandButton(entry.id, entry.text, 'menuitem'));
        menuBar.append(holder);
        continue;
      }
      const title = document.createElement('button');
      title.type = 'button';
      title.textContent = entry.text;
      title.dataset.menu = entry.text;
      title.setAttribute('role', 'menuitem');
      title.setAttribute('aria-haspopup', 'menu');
      title.setAttribute('aria-expanded', 'false');
      const popup = document.createElement('div');
      popup.className = 'popup';
      popup.setAttribute('role', 'menu');
      popup.setAttribute('aria-label', entry.text);
      popup.hidden = true;
      for (const item of entry.items) {
        const button = commandButton(item.id, item.text, 'menuitemcheckbox');
        button.setAttribute('aria-checked', item.checked ? 'true' : 'false');
        popup.append(button);
      }
      title.addEventListener('click', () => {
        if (title.getAttribute('aria-expanded') === 'true') {
          closeMenus();
        } else {
          openMenu(title, false);
        }
      });
      // Once a menu is open, pointing at another title opens that one.
      title.addEventListener('pointerenter', () => {
        if (anyMenuOpen() && title.getAttribute('aria-expanded') !== 'true') {
          openMenu(title, false);
        }
      });
      title.addEventListener('keydown', (event) => {
        if (event.key === 'ArrowDown') {
          event.preventDefault();
          openMenu(title, true);
        }
      });
      popup.addEventListener('keydown', (event) => {
        const items = [...popup.querySelectorAll('button')];
        const at = items.indexOf(document.activeElement);
        if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
          event.preventDefault();
          const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
          items[(at + step) % items.length].focus();
        } else if (event.key === 'Escape') {
          closeMenus();
          title.focus();
        }
      });
      holder.append(title, popup);
      menuBar.append(holder);
    }
    document.addEventListener('pointerdown', (event) => {
      if (!menuBar.contains(event.target)) {
        closeMenus();
      }
    });
  }

  function showCheckMarks() {
    for (const item of menuBar.querySelectorAll('[aria-checked]')) {
      const checked = module._veltro_is_checked(editor, Number(item.dataset.command)) !== 0;
      item.setAttribute('aria-checked', checked ? 'true' : 'false');
    }
  }

  // ---- message boxes ----

  function showMessageBox(text, caption) {
    pendingBoxes.push({text, caption});
    if (!messageBox.open) {
      showNextBox();
    }
  }

  function showNextBox() {
    const box = pendingBoxes.shift();
    document.getElementById('message-caption').textContent = box.caption;
    document.getElementById('message-text').textContent = box.text;
    closeMenus();
    messageBox.showModal();
    messageBox.querySelector('button').focus();
  }

  messageBox.addEventListener('close', () => {
    if (pendingBoxes.length > 0) {
      showNextBox();
      return;
    }
    if (heldFrame !== null) {
      context.putImageData(heldFrame, 0, 0);
      heldFrame = null;
      ++framesShown;
    }
    canvas.focus({preventScroll: true});
    requestTick();
  });

  // ---- B-Spline Input dialogs ----

  function openBSplineDialog(dialogId, degreeText, knotText, knotTextLimit) {
    const dialog = dialogTemplate.content.firstElementChild.cloneNode(true);
    const form = dialog.querySelector('form');
    const degree = form.elements.degree;
    const knots = form.elements.knots;
    degree.value = degreeText.replace(/[^0-9]/g, '');
    knots.maxLength = knotTextLimit;
    knots.value = knotText.slice(0, knotTextLimit);
    // Several may be open; each new one a little below the last.
    const offset = 24 * (openDialogs % 8);
    ++openDialogs;
    const stage = canvas.getBoundingClientRect();
    dialog.style.left = Math.max(0, stage.left + 40 + offset) + 'px';
    dialog.style.top = Math.max(0, stage.top + 40 + offset) + 'px';

    let answered = false;
    const answer = (ok) => {
      if (answered || editor === 0) {
        return;
      }
      answered = true;
      if (ok) {
        passText(0, degree.value);
        passText(1, knots.value);
        module._veltro_post_dialog_ok(editor, dialogId);
      } else {
        module._veltro_post_dialog_cancel(editor, dialogId);
      }
      dialog.remove();
      --openDialogs;
      canvas.focus({preventScroll: true});
      requestTick();
    };

    // Digits only, whether typed, pasted or dropped.
    degree.addEventListener('input', () => {
      const digits = degree.value.replace(/[^0-9]/g, '');
      if (digits !== degree.value) {
        const caret = degree.selectionStart ?? digits.length;
        const removedBefore =
            degree.value.slice(0, caret).length - degree.value.slice(0, caret).replace(/[^0-9]/g, '').length;
        degree.value = digits;
        degree.setSelectionRange(caret - removedBefore, caret - removedBefore);
      }
    });
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      answer(true);
    });
    form.querySelector('[data-command="2"]').addEventListener('click', () => answer(false));
    dialog.querySelector('.close-box').addEventListener('click', () => answer(false));
    dialog.addEventListener('keydown', (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        answer(false);
      }
    });
    // The dialog opened or clicked last is on top.
    const raise = () => {
      dialog.style.zIndex = String(++topDialogLayer);
    };
    dialog.addEventListener('pointerdown', raise, {capture: true});
    raise();
    makeDraggable(dialog, dialog.querySelector('.title-bar'));
    document.body.append(dialog);
    form.querySelector('[data-command="1"]').focus();
  }

  function makeDraggable(element, handle) {
    let start = null;
    handle.addEventListener('pointerdown', (event) => {
      if (event.button !== 0 || event.target.closest('button')) {
        return;
      }
      handle.setPointerCapture(event.pointerId);
      start = {x: event.clientX, y: event.clientY, left: element.offsetLeft, top: element.offsetTop};
    });
    handle.addEventListener('pointermove', (event) => {
      if (start === null) {
        return;
      }
      // Keep the title bar on the screen, so the dialog can always be reached.
      const left = Math.min(Math.max(start.left + event.clientX - start.x, -element.offsetWidth + 60),
                            window.innerWidth - 60);
      const top = Math.min(Math.max(start.top + event.clientY - start.y, 0), window.innerHeight - 30);
      element.style.left = left + 'px';
      element.style.top = top + 'px';
    });
    const stop = () => {
      start = null;
    };
    handle.addEventListener('pointerup', stop);
    handle.addEventListener('pointercancel', stop);
  }

  // ---- start ----

  function start() {
    if (typeof WebAssembly !== 'object') {
      showError('VELTRO could not start: this browser does not run WebAssembly.');
      return Promise.reject(new Error('no WebAssembly'));
    }
    const script = document.createElement('script');
    script.src = 'veltro.js';
    const loaded = new Promise((resolve, reject) => {
      script.onload = resolve;
      script.onerror = () => reject(new Error('veltro.js could not be loaded'));
    });
    document.head.append(script);
    let knotTextLimit = 0;
    const shell = {
      showMessageBox,
      setTitle: (title) => {
        document.title = title;
        windowTitle.textContent = title;
      },
      openBSplineDialog: (id, degree, knots) => openBSplineDialog(id, degree, knots, knotTextLimit),
    };
    return loaded
        .then(() => createVeltro({shell, print: () => {}, printErr: () => {}}))
        .then((instance) => {
          module = instance;
          const description = JSON.parse(module.UTF8ToString(module._veltro_page_description()));
          knotTextLimit = description.knotTextLimit;
          description.keys.forEach((code, index) => editorKeys.set(code, index));
          buildMenus(description.menuBar);
          editor = module._veltro_create();
          canvas.focus({preventScroll: true});
        })
        .catch((error) => {
          console.error('VELTRO did not start:', error);
          showError('VELTRO could not start: its WebAssembly module did not load. ' +
                    'Check that veltro.js and veltro.wasm are next to this page, then reload.');
          throw error;
        });
  }

  // For tests and for the curious: whether the page has work left, and how
  // many frames it has shown.
  window.veltroPage = {
    ready: start(),
    isIdle: () => !tickPending && !busy,
    framesShown: () => framesShown,
  };
  window.veltroPage.ready.catch(() => {});
})();
