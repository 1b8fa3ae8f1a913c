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
  const INSPECTED = 4;
  // Mouse messages, as the module numbers them.
  const PRESS = 0;
  const MOVE = 1;
  const RELEASE = 2;
  const DOUBLE_CLICK = 3;
  // The second press of a double click: this soon after a press, this close
  // (in page pixels; a fingertip never lands twice on the same pixel).
  const DOUBLE_CLICK_MS = 500;
  const DOUBLE_CLICK_DISTANCE = 2;
  // The keys the editor takes, each posted by its position in the editor's
  // list; filled from the page description. The keypad's go by position
  // (KeyboardEvent.code), the main keyboard's by what they type
  // (KeyboardEvent.key), so every keyboard layout works as on the desktop.
  const keysByCode = new Map();
  const keysByCharacter = new Map();
  // Dialogs stack from here up; menus are always above every dialog.
  const DIALOG_LAYER = 5;
  const DOUBLE_TAP_DISTANCE = 12;
  // The zoom's whole factors, and how small a fitted window may get.
  const LARGEST_ZOOM = 8;
  const SMALLEST_FIT = 0.25;
  const ZOOM_SETTING = 'veltro.zoom';
  // What a link may hold: the scene's text at most this long, and the
  // fragment at most this long before it is decoded. A link is for a
  // prepared scene, not for hours of recording (Save keeps those).
  const LINK_TEXT_LIMIT = 256 * 1024;
  const LINK_FRAGMENT_LIMIT = 3 * LINK_TEXT_LIMIT;

  const canvas = document.getElementById('drawing-area');
  const windowFrame = document.querySelector('.window');
  const stage = document.querySelector('.stage');
  const pageBar = document.querySelector('.page-bar');
  const pageStatus = document.getElementById('page-status');
  const shareLink = document.getElementById('share-link');
  const sceneFile = document.getElementById('scene-file');
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
  let inspector = null;
  let framesShown = 0;
  let openDialogs = 0;
  // The open B-Spline Input dialogs, the one on top last.
  const dialogStack = [];
  let sceneLimit = 0;
  const pendingBoxes = [];
  const encoder = new TextEncoder();

  function setTitle(title) {
    document.title = title;
    windowTitle.textContent = title;
  }

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
    showHistory();
    if (result & PRESENTED) {
      present();
    } else if (result & INSPECTED) {
      inspector?.update();
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
    inspector?.update();
    showComparison();
  }

  // ---- how large the drawing area is shown ----

  // 'fit' or a whole factor; the canvas keeps its 640 x 480 pixels and the
  // browser enlarges it, never smoothed.
  let zoom = readZoomSetting();

  function readZoomSetting() {
    try {
      const saved = localStorage.getItem(ZOOM_SETTING);
      if (saved === 'fit') {
        return 'fit';
      }
      const factor = Number(saved);
      return Number.isInteger(factor) && factor >= 1 && factor <= LARGEST_ZOOM ? factor : 1;
    } catch (error) {
      return 1;  // storage refused (a private window): the actual size
    }
  }

  // The scale of the window's drawing area: a whole factor as chosen, or the
  // largest that shows the whole window in the viewport; at the actual size
  // a viewport narrower than the window scales it down rather than scroll.
  function displayScale() {
    const body = getComputedStyle(document.body);
    const border = windowFrame.offsetWidth - windowFrame.clientWidth;
    const width = document.documentElement.clientWidth - parseFloat(body.paddingLeft) -
                  parseFloat(body.paddingRight) - border;
    const across = width / WIDTH;
    if (zoom === 'fit') {
      // Everything stacked above and below the drawing area, the page's
      // margins included.
      const stack = pageBar.getBoundingClientRect().bottom - windowFrame.getBoundingClientRect().top;
      const around = stack - stage.offsetHeight + parseFloat(body.paddingTop) +
                     parseFloat(body.paddingBottom);
      const down = (window.innerHeight - around) / HEIGHT;
      return Math.min(Math.max(Math.min(across, down), SMALLEST_FIT), LARGEST_ZOOM);
    }
    return zoom === 1 ? Math.max(Math.min(1, across), SMALLEST_FIT) : zoom;
  }

  function showAtScale() {
    // Twice: the menu bar may wrap differently once the window is resized.
    for (let pass = 0; pass < 2; ++pass) {
      const scale = displayScale();
      const width = Math.floor(WIDTH * scale) + 'px';
      const height = Math.floor(HEIGHT * scale) + 'px';
      stage.style.width = canvas.style.width = width;
      stage.style.height = canvas.style.height = height;
    }
  }

  function setZoom(next) {
    zoom = next;
    try {
      localStorage.setItem(ZOOM_SETTING, String(zoom));
    } catch (error) {
      // Not remembered, still shown.
    }
    showAtScale();
  }

  const zoomCommands = {
    'zoom-in': () => setZoom(Math.min(Math.floor(displayScale()) + 1, LARGEST_ZOOM)),
    'zoom-out': () => setZoom(Math.max(Math.ceil(displayScale()) - 1, 1)),
    'zoom-reset': () => setZoom(1),
    'zoom-fit': () => setZoom('fit'),
  };

  window.addEventListener('resize', showAtScale);

  // The frame pixel under a page position, at whatever size the area is
  // shown; outside the area (the pointer is captured while the button is
  // down) positions go on beyond its edges.
  function framePixelAt(clientX, clientY) {
    const rect = canvas.getBoundingClientRect();
    const scaleX = rect.width > 0 ? WIDTH / rect.width : 1;
    const scaleY = rect.height > 0 ? HEIGHT / rect.height : 1;
    return [Math.floor((clientX - rect.left) * scaleX), Math.floor((clientY - rect.top) * scaleY)];
  }

  // ---- posting messages ----

  // Where the pointer was last seen over the drawing area, for Delete.
  let pointerAt = null;

  function postMouse(kind, event) {
    if (editor === 0) {
      return;
    }
    const [x, y] = framePixelAt(event.clientX, event.clientY);
    if (!Number.isFinite(x) || !Number.isFinite(y)) {
      return;
    }
    pointerAt = {x, y};
    module._veltro_post_mouse(editor, kind, x, y);
    requestTick();
  }

  // Posts the key at this position of the editor's list, if any.
  function postKeyAt(keyIndex, repeat) {
    if (keyIndex === undefined || editor === 0) {
      return false;
    }
    module._veltro_post_key(editor, keyIndex, repeat ? 1 : 0);
    requestTick();
    return true;
  }

  function postCommand(id) {
    if (editor === 0) {
      return;
    }
    module._veltro_post_command(editor, id);
    requestTick();
  }

  function passText(slot, text, to = editor) {
    const bytes = typeof text === 'string' ? encoder.encode(text) : text;
    const start = module._veltro_text_buffer(to, slot, bytes.length);
    if (start !== 0) {
      module.HEAPU8.set(bytes, start);
    }
  }

  // ---- the drawing area ----

  let lastPress = null;
  // Whether the left button is down for the editor: taken from
  // event.buttons on every pointer event, since a browser reports a button
  // pressed or released while another is held as a move, not as a
  // pointerdown or pointerup of its own.
  let leftHeld = false;
  // The press closed a menu: as on the desktop, its click does nothing else.
  let clickClosedMenu = false;

  function leftPressed(event) {
    event.preventDefault();
    canvas.focus({preventScroll: true});
    canvas.setPointerCapture(event.pointerId);
    leftHeld = true;
    if (anyMenuOpen()) {
      closeMenus();
      clickClosedMenu = true;
      lastPress = null;
      return;
    }
    const now = performance.now();
    const distance = event.pointerType === 'touch' ? DOUBLE_TAP_DISTANCE : DOUBLE_CLICK_DISTANCE;
    const double = lastPress !== null && now - lastPress.time <= DOUBLE_CLICK_MS &&
                   Math.abs(event.clientX - lastPress.x) <= distance &&
                   Math.abs(event.clientY - lastPress.y) <= distance;
    // A third press starts over: it is a press again.
    lastPress = double ? null : {time: now, x: event.clientX, y: event.clientY};
    postMouse(double ? DOUBLE_CLICK : PRESS, event);
  }

  function pointerChanged(event) {
    if (!event.isPrimary) {
      return;
    }
    const left = event.type !== 'pointercancel' && (event.buttons & 1) !== 0;
    if (left && !leftHeld) {
      leftPressed(event);
    } else if (!left && leftHeld) {
      leftHeld = false;
      if (clickClosedMenu) {
        clickClosedMenu = false;
      } else {
        postMouse(RELEASE, event);
      }
    } else if (event.type === 'pointermove' && !clickClosedMenu) {
      postMouse(MOVE, event);
    }
  }

  // A pointer taken away mid-drag (a touch turned into a scroll, the window
  // lost) ends the drag where it was, rather than leaving the button held.
  for (const type of ['pointerdown', 'pointermove', 'pointerup', 'pointercancel']) {
    canvas.addEventListener(type, pointerChanged);
  }

  canvas.addEventListener('pointerleave', () => {
    if (!leftHeld) {
      pointerAt = null;
    }
  });

  canvas.addEventListener('contextmenu', (event) => event.preventDefault());

  // ---- keys ----

  // Ctrl with +, - and 0 zooms the drawing area, as on the desktop, instead
  // of the whole page.
  const zoomKeys = {'+': 'zoom-in', '=': 'zoom-in', '-': 'zoom-out', '0': 'zoom-reset'};

  function editorKeyIndex(event) {
    const byPosition = keysByCode.get(event.code);
    if (byPosition !== undefined || event.code.startsWith('Numpad')) {
      return byPosition;
    }
    return keysByCharacter.get(event.key);
  }

  // Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z, or Cmd with them on a Mac keyboard;
  // 'undo', 'redo' or null. By the letter the layout puts on the key.
  function historyShortcut(event) {
    if (!(event.ctrlKey || event.metaKey) || event.altKey) {
      return null;
    }
    const letter = event.key.toLowerCase();
    if (letter === 'z') {
      return event.shiftKey ? 'redo' : 'undo';
    }
    return letter === 'y' && !event.shiftKey ? 'redo' : null;
  }

  document.addEventListener('keydown', (event) => {
    if (modalOpen()) {
      // OK is the message box's default button, wherever a click left the focus.
      const ok = messageBox.querySelector('button');
      if ((event.key === 'Enter' || event.key === ' ') && event.target !== ok) {
        event.preventDefault();
        messageBox.close();
      }
      return;
    }
    // Zooming works wherever the focus is, as the View menu's shortcuts.
    if (event.ctrlKey && !event.altKey && !event.metaKey && zoomKeys[event.key]) {
      event.preventDefault();
      zoomCommands[zoomKeys[event.key]]();
      return;
    }
    // The View menu's shortcut works wherever the focus is.
    const modified = event.ctrlKey || event.altKey || event.metaKey;
    if (event.key === 'F2' && !modified && inspector !== null) {
      event.preventDefault();
      inspector.toggle();
      return;
    }
    // Undo and Redo work wherever the focus is (a menu, the Inspector's
    // buttons), except in a text field, which undoes its own typing.
    const target = event.target;
    const history = historyShortcut(event);
    if (history !== null && !target.matches?.('input, textarea')) {
      event.preventDefault();
      stepHistory(history);
      return;
    }
    // Keys typed into a dialog or the menus are theirs.
    if (target !== document.body && target !== canvas && target !== document.documentElement) {
      return;
    }
    if (event.ctrlKey || event.altKey || event.metaKey) {
      return;
    }
    if (event.key === 'Delete' || event.key === 'Backspace') {
      event.preventDefault();
      // A held key would name the same point again before the first delete
      // is taken, and so delete the one that moved up into its place.
      if (!event.repeat && pointerAt !== null && editor !== 0) {
        module._veltro_delete_point_at(editor, pointerAt.x, pointerAt.y);
        requestTick();
      }
      return;
    }
    if (postKeyAt(editorKeyIndex(event), event.repeat)) {
      event.preventDefault();
    }
  });

  // The on-screen keys post what the keyboard's keys post: t - 0.01 is the
  // main keyboard's minus, t + 0.01 its plus, Redraw the space bar.
  const keyButtonCharacters = {minus: '-', plus: '+', space: ' '};
  for (const button of document.querySelectorAll('[data-key]')) {
    button.addEventListener('click', () => {
      if (!modalOpen()) {
        postKeyAt(keysByCharacter.get(keyButtonCharacters[button.dataset.key]), false);
      }
    });
  }

  // ---- the menu bar ----

  function closeMenus() {
    for (const title of menuBar.querySelectorAll('[aria-haspopup]')) {
      title.setAttribute('aria-expanded', 'false');
      title.nextElementSibling.hidden = true;
    }
  }

  // A menu closed without a command gives the keys back to the editor.
  function dismissMenus() {
    closeMenus();
    canvas.focus({preventScroll: true});
  }

  function openMenu(title, focusFirst) {
    closeMenus();
    title.setAttribute('aria-expanded', 'true');
    const popup = title.nextElementSibling;
    popup.hidden = false;
    // A menu near the right edge of a narrow screen opens leftwards.
    popup.style.left = '';
    const overflow = popup.getBoundingClientRect().right - document.documentElement.clientWidth;
    if (overflow > 0) {
      popup.style.left = -overflow + 'px';
    }
    if (focusFirst) {
      popup.querySelector('button').focus();
    } else {
      // Also where a click does not focus a button: the menu keys reach it.
      title.focus({preventScroll: true});
    }
  }

  // The menu bar's own entries, menu titles and commands alike.
  function barEntries() {
    return [...menuBar.querySelectorAll(':scope > .menu > button')];
  }

  function anyMenuOpen() {
    return menuBar.querySelector('[aria-expanded="true"]') !== null;
  }

  function choose(id) {
    closeMenus();
    canvas.focus({preventScroll: true});
    postCommand(id);
  }

  function commandButton(id, text, inPopup) {
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', 'menuitem');
    button.dataset.command = String(id);
    button.addEventListener('click', () => choose(id));
    if (inPopup) {
      const mark = document.createElement('span');
      mark.className = 'check';
      mark.setAttribute('aria-hidden', 'true');
      mark.textContent = '\u2713';
      button.append(mark);
    }
    button.append(text);
    return button;
  }

  // Edit -> Undo (history 'undo') and Edit -> Redo ('redo'); greyed while
  // the editor has no step to take.
  function stepHistory(history) {
    if (editor === 0) {
      return;
    }
    module._veltro_post_history(editor, history === 'redo' ? 1 : 0);
    requestTick();
  }

  function historyButton(history, text, shortcut) {
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', 'menuitem');
    button.setAttribute('aria-disabled', 'true');
    button.setAttribute('aria-keyshortcuts', shortcut);
    button.dataset.command = history;
    button.textContent = text;
    button.addEventListener('click', () => {
      if (button.getAttribute('aria-disabled') === 'true') {
        return;
      }
      closeMenus();
      canvas.focus({preventScroll: true});
      stepHistory(history);
    });
    return button;
  }

  function showHistory() {
    const steps = module._veltro_history(editor);
    for (const [history, bit] of [['undo', 1], ['redo', 2]]) {
      const item = menuBar.querySelector(`[data-command="${history}"]`);
      if (item !== null) {
        item.setAttribute('aria-disabled', (steps & bit) !== 0 ? 'false' : 'true');
      }
    }
  }

  // As in the desktop window, only a marked item is a check box; an
  // unmarked one is a plain item, not an empty check box.
  function showMark(item, checked) {
    item.setAttribute('role', checked ? 'menuitemcheckbox' : 'menuitem');
    if (checked) {
      item.setAttribute('aria-checked', 'true');
    } else {
      item.removeAttribute('aria-checked');
    }
  }

  // A title in the menu bar and the popup it opens, holding `items`.
  function addPopup(text, items) {
    const holder = document.createElement('div');
    holder.className = 'menu';
    const title = document.createElement('button');
    title.type = 'button';
    title.textContent = text;
    title.dataset.menu = text;
    title.setAttribute('role', 'menuitem');
    title.setAttribute('aria-haspopup', 'menu');
    title.setAttribute('aria-expanded', 'false');
    const popup = document.createElement('div');
    popup.className = 'popup';
    popup.setAttribute('role', 'menu');
    popup.setAttribute('aria-label', text);
    popup.hidden = true;
    popup.append(...items);
    title.addEventListener('click', () => {
      if (title.getAttribute('aria-expanded') === 'true') {
        dismissMenus();
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
      const buttons = [...popup.querySelectorAll('button')];
      const at = buttons.indexOf(document.activeElement);
      if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
        event.preventDefault();
        const step = event.key === 'ArrowDown' ? 1 : buttons.length - 1;
        buttons[(at + step) % buttons.length].focus();
      }
    });
    holder.append(title, popup);
    menuBar.append(holder);
  }

  function buildMenus(bar) {
    for (const entry of bar) {
      if (entry.items.length === 0) {
        const holder = document.createElement('div');
        holder.className = 'menu';
        holder.append(commandButton(entry.id, entry.text, false));
        menuBar.append(holder);
        continue;
      }
      addPopup(entry.text, entry.items.map((item) => {
        const button = commandButton(item.id, item.text, true);
        showMark(button, item.checked);
        return button;
      }));
    }
    addPopup('Edit', [
      historyButton('undo', 'Undo', 'Control+Z Meta+Z'),
      historyButton('redo', 'Redo', 'Control+Y Control+Shift+Z Meta+Shift+Z'),
    ]);
    // ArrowLeft and ArrowRight go along the bar; an open menu stays open
    // on the entry reached, if that is a menu.
    menuBar.addEventListener('keydown', (event) => {
      if (event.key !== 'ArrowLeft' && event.key !== 'ArrowRight') {
        return;
      }
      const entries = barEntries();
      const at = entries.findIndex((entry) => entry.parentElement.contains(event.target));
      if (at < 0) {
        return;
      }
      event.preventDefault();
      const step = event.key === 'ArrowRight' ? 1 : entries.length - 1;
      const next = entries[(at + step) % entries.length];
      if (anyMenuOpen() && next.hasAttribute('aria-haspopup')) {
        openMenu(next, true);
      } else {
        closeMenus();
        next.focus();
      }
    });
    // Escape closes an open menu, however it was opened; Tab leaves it.
    document.addEventListener('keydown', (event) => {
      if (!anyMenuOpen()) {
        return;
      }
      if (event.key === 'Escape') {
        event.preventDefault();
        event.stopPropagation();
        dismissMenus();
      } else if (event.key === 'Tab') {
        closeMenus();
      }
    }, {capture: true});
    document.addEventListener('pointerdown', (event) => {
      if (!menuBar.contains(event.target)) {
        closeMenus();
      }
    });
  }

  // The views beside the drawing area: items of the page's own, each
  // always a check box, not commands of the editor.
  function viewItem(name, text, shortcutText, action) {
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', 'menuitemcheckbox');
    button.setAttribute('aria-checked', 'false');
    button.dataset.command = name;
    const mark = document.createElement('span');
    mark.className = 'check';
    mark.setAttribute('aria-hidden', 'true');
    mark.textContent = '\u2713';
    const shortcut = document.createElement('span');
    shortcut.className = 'shortcut';
    shortcut.textContent = shortcutText;
    button.append(mark, text, shortcut);
    button.addEventListener('click', () => {
      dismissMenus();
      action();
    });
    return button;
  }

  // Zooming posts nothing to the editor, so frames, state and recordings
  // are the same at every zoom.
  function zoomItem(name, text, shortcutText) {
    const button = document.createElement('button');
    button.type = 'button';
    button.setAttribute('role', 'menuitem');
    button.dataset.command = name;
    const shortcut = document.createElement('span');
    shortcut.className = 'shortcut';
    shortcut.textContent = shortcutText;
    button.append(text, shortcut);
    button.addEventListener('click', () => {
      dismissMenus();
      zoomCommands[name]();
    });
    return button;
  }

  function buildViewMenu() {
    const inspectorItem = viewItem('inspector', 'Inspector', 'F2', () => inspector.toggle());
    const compareItem =
        viewItem('compare', 'Compare Methods', '', () => setComparisonOpen(!compareOpen));
    addPopup('View', [inspectorItem, zoomItem('zoom-in', 'Zoom In', 'Ctrl++'),
                      zoomItem('zoom-out', 'Zoom Out', 'Ctrl+\u2212'),
                      zoomItem('zoom-reset', 'Actual Size', 'Ctrl+0'),
                      zoomItem('zoom-fit', 'Fit to Window', ''), compareItem]);
    inspector = window.createVeltroInspector({
      menuItem: inspectorItem,
      points: () => JSON.parse(module.UTF8ToString(module._veltro_points(editor))),
      inspection: () => JSON.parse(module.UTF8ToString(module._veltro_inspection(editor))),
      placement: (index, x, y) => module._veltro_placement(editor, index, x, y),
      place: (index, x, y) => {
        module._veltro_post_place(editor, index, x, y);
        requestTick();
      },
      deletePoint: (index) => {
        module._veltro_post_delete(editor, index);
        requestTick();
      },
      inspect: (t) => {
        module._veltro_post_inspect(editor, t);
        requestTick();
      },
    });
  }

  function showCheckMarks() {
    for (const item of menuBar.querySelectorAll('.popup [data-command]')) {
      if (!/^\d+$/.test(item.dataset.command)) {
        continue;  // a view of the page, not a command of the editor
      }
      showMark(item, module._veltro_is_checked(editor, Number(item.dataset.command)) !== 0);
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
    // The core reads as much as the field opened with, when that is more.
    knots.maxLength = Math.max(knotTextLimit, knotText.length);
    knots.value = knotText;
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
      dialogStack.splice(dialogStack.indexOf(dialog), 1);
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
    // The dialog opened or clicked last is on top, and all stay below the menus.
    const raise = () => {
      const at = dialogStack.indexOf(dialog);
      if (at >= 0) {
        dialogStack.splice(at, 1);
      }
      dialogStack.push(dialog);
      dialogStack.forEach((open, layer) => {
        open.style.zIndex = String(DIALOG_LAYER + layer);
      });
    };
    dialog.addEventListener('pointerdown', raise, {capture: true});
    raise();
    makeDraggable(dialog, dialog.querySelector('.title-bar'));
    document.body.append(dialog);
    // On a narrow screen the dialog moves left until it fits.
    const room = document.documentElement.clientWidth - dialog.offsetWidth;
    if (dialog.offsetLeft > room) {
      dialog.style.left = Math.max(0, room) + 'px';
    }
    form.querySelector('[data-command="1"]').focus();
  }

  // Keeps a dialog's title bar on the screen, so it can always be reached.
  function placeReachably(element, left, top) {
    element.style.left = Math.min(Math.max(left, -element.offsetWidth + 60), window.innerWidth - 60) + 'px';
    element.style.top = Math.min(Math.max(top, 0), window.innerHeight - 30) + 'px';
  }

  // Also when the window narrows under a dialog moved to its edge.
  window.addEventListener('resize', () => {
    for (const dialog of dialogStack) {
      placeReachably(dialog, dialog.offsetLeft, dialog.offsetTop);
    }
  });

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
      if (start !== null) {
        placeReachably(element, start.left + event.clientX - start.x,
                       start.top + event.clientY - start.y);
      }
    });
    const stop = () => {
      start = null;
    };
    handle.addEventListener('pointerup', stop);
    handle.addEventListener('pointercancel', stop);
  }

  // ---- Compare Methods ----

  const comparePanel = document.getElementById('compare');
  const compareFigures = document.getElementById('compare-figures');
  const overlayCanvas = document.getElementById('compare-overlay');
  const overlayChoices = document.getElementById('compare-overlay-choices');
  // One canvas per method in the Object menu's order, then the overlay's.
  const compareCanvases = [];
  let compareOpen = false;
  let methods = [];

  function rgbText(colour) {
    return 'rgb(' + colour.join(',') + ')';
  }

  function buildComparison(described) {
    methods = described;
    for (const method of methods) {
      const figure = document.createElement('figure');
      figure.dataset.method = String(method.id);
      figure.tabIndex = 0;
      figure.setAttribute('role', 'button');
      figure.title = 'Choose ' + method.text;
      const canvas = document.createElement('canvas');
      canvas.width = WIDTH;
      canvas.height = HEIGHT;
      canvas.setAttribute('aria-hidden', 'true');
      const caption = document.createElement('figcaption');
      const swatch = document.createElement('span');
      swatch.className = 'swatch';
      swatch.style.background = rgbText(method.colour);
      swatch.setAttribute('aria-hidden', 'true');
      caption.append(swatch, method.text);
      figure.append(canvas, caption);
      const chooseMethod = () => {
        // The method already chosen stays as it is: its menu item would
        // start its slider or B-spline setup afresh.
        if (editor !== 0 && module._veltro_is_checked(editor, method.id) === 0) {
          postCommand(method.id);
        }
      };
      figure.addEventListener('click', chooseMethod);
      figure.addEventListener('keydown', (event) => {
        if (event.key === 'Enter' || event.key === ' ') {
          event.preventDefault();
          chooseMethod();
        }
      });
      compareFigures.append(figure);
      compareCanvases.push(canvas);

      const label = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.checked = true;
      box.value = String(method.bit);
      box.addEventListener('change', showComparison);
      label.append(box, method.text);
      overlayChoices.append(label);
    }
    compareCanvases.push(overlayCanvas);
  }

  function overlaidBits() {
    let bits = 0;
    for (const box of overlayChoices.querySelectorAll('input:checked')) {
      bits |= Number(box.value);
    }
    return bits;
  }

  // Once per presented frame, and only while the panel is open; the canvases
  // are drawn again only when a picture changed.
  function showComparison() {
    if (!compareOpen || editor === 0 || module._veltro_compare_paint(editor, overlaidBits()) === 0) {
      return;
    }
    compareCanvases.forEach((target, index) => {
      const start = module._veltro_compare_picture(editor, index);
      const pixels = new Uint8ClampedArray(module.HEAPU8.buffer, start, WIDTH * HEIGHT * 4);
      target.getContext('2d', {alpha: false})
          .putImageData(new ImageData(new Uint8ClampedArray(pixels), WIDTH, HEIGHT), 0, 0);
    });
  }

  function setComparisonOpen(open) {
    compareOpen = open;
    comparePanel.hidden = !open;
    menuBar.querySelector('[data-command="compare"]')
        .setAttribute('aria-checked', open ? 'true' : 'false');
    if (editor !== 0) {
      module._veltro_compare_open(editor, open ? 1 : 0);
    }
    showComparison();
  }

  // ---- scenes: open, save, share ----

  function showStatus(text) {
    pageStatus.textContent = text;
  }

  // A fresh editor plays the scene before its first frame, as the desktop
  // program opens one; a scene that cannot be played leaves the editor the
  // page had, and says why in the desktop's words.
  function openScene(name, bytes) {
    const title = document.title;
    const fresh = module._veltro_create();
    passText(0, name, fresh);
    passText(1, bytes, fresh);
    const complaint = module._veltro_open_scene(fresh);
    if (complaint !== 0) {
      showStatus(module.UTF8ToString(complaint));
      module._veltro_destroy(fresh);
      setTitle(title);
      return false;
    }
    // The old editor's dialogs go with it.
    for (const dialog of dialogStack.splice(0)) {
      dialog.remove();
    }
    openDialogs = 0;
    module._veltro_destroy(editor);
    editor = fresh;
    pointerAt = null;
    // The comparison stays open over the scene, as it would over a click.
    module._veltro_compare_open(editor, compareOpen ? 1 : 0);
    showStatus('');
    // The scene's last frame, or the white start frame if it drew none.
    present();
    module._veltro_end_scene(editor);
    showCheckMarks();
    showHistory();
    requestTick();
    return true;
  }

  function recordedScript() {
    return module.UTF8ToString(module._veltro_recorded_script(editor));
  }

  // URL-safe base64 of raw DEFLATE, where the browser compresses.
  async function compressedForLink(text) {
    if (typeof CompressionStream !== 'function') {
      return null;
    }
    const stream = new Blob([text]).stream().pipeThrough(new CompressionStream('deflate-raw'));
    const bytes = new Uint8Array(await new Response(stream).arrayBuffer());
    let binary = '';
    for (const byte of bytes) {
      binary += String.fromCharCode(byte);
    }
    return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
  }

  // The text a #z= fragment holds, read no further than a link may hold.
  async function decompressedFromLink(fragment) {
    if (typeof DecompressionStream !== 'function') {
      throw new Error('this browser cannot read compressed links; ask for a #scene= link');
    }
    let binary;
    try {
      binary = atob(fragment.replace(/-/g, '+').replace(/_/g, '/'));
    } catch (error) {
      throw new Error('the compressed scene is damaged');
    }
    const bytes = Uint8Array.from(binary, (c) => c.charCodeAt(0));
    const reader = new Blob([bytes]).stream()
                       .pipeThrough(new DecompressionStream('deflate-raw')).getReader();
    const parts = [];
    let length = 0;
    try {
      for (;;) {
        const {done, value} = await reader.read();
        if (done) {
          break;
        }
        length += value.length;
        if (length > LINK_TEXT_LIMIT) {
          reader.cancel();
          throw new RangeError();
        }
        parts.push(value);
      }
    } catch (error) {
      throw new Error(error instanceof RangeError ? tooLargeForLink()
                                                  : 'the compressed scene is damaged');
    }
    const text = new Uint8Array(length);
    let at = 0;
    for (const part of parts) {
      text.set(part, at);
      at += part.length;
    }
    return text;
  }

  function tooLargeForLink() {
    return 'larger than ' + LINK_TEXT_LIMIT / 1024 + ' KiB, more than a link may hold';
  }

  // The scene a link's fragment holds: "#scene=" and the text as
  // encodeURIComponent writes it, or "#z=" and the compressed text.
  async function sceneInLink(hash) {
    const plain = hash.startsWith('#scene=');
    const fragment = hash.slice(plain ? 7 : 3);
    if (fragment.length > LINK_FRAGMENT_LIMIT) {
      throw new Error(tooLargeForLink());
    }
    if (!plain) {
      return decompressedFromLink(fragment);
    }
    let text;
    try {
      text = decodeURIComponent(fragment);
    } catch (error) {
      throw new Error('the scene is not written as encodeURIComponent writes it');
    }
    const bytes = encoder.encode(text);
    if (bytes.length > LINK_TEXT_LIMIT) {
      throw new Error(tooLargeForLink());
    }
    return bytes;
  }

  async function openLink() {
    const hash = location.hash;
    if (!hash.startsWith('#scene=') && !hash.startsWith('#z=')) {
      return;
    }
    let bytes;
    try {
      bytes = await sceneInLink(hash);
    } catch (error) {
      showStatus('link: ' + error.message);
      return;
    }
    openScene('link', bytes);
  }

  async function share() {
    const text = recordedScript();
    const base = location.href.split('#')[0];
    let link = base + '#scene=' + encodeURIComponent(text);
    try {
      const compressed = await compressedForLink(text);
      if (compressed !== null && compressed.length + 3 < link.length - base.length) {
        link = base + '#z=' + compressed;
      }
    } catch (error) {
      // The plain link then.
    }
    shareLink.value = link;
    shareLink.hidden = false;
    shareLink.select();
    if (encoder.encode(text).length > LINK_TEXT_LIMIT) {
      showStatus('This session is too long for a link: ' + tooLargeForLink() +
                 '. Save it as a file instead.');
      return;
    }
    try {
      await navigator.clipboard.writeText(link);
      showStatus('The link to this scene is on the clipboard.');
    } catch (error) {
      showStatus('Copy the link to this scene from the field above.');
    }
  }

  function save() {
    const url = URL.createObjectURL(new Blob([recordedScript()], {type: 'text/plain'}));
    const anchor = document.createElement('a');
    anchor.href = url;
    anchor.download = 'scene.replay';
    document.body.append(anchor);
    anchor.click();
    anchor.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
  }

  // A file no larger than a scene may be is read whole; of a larger one only
  // enough to say so.
  function openFile(file) {
    file.slice(0, sceneLimit + 1).arrayBuffer().then(
        (buffer) => openScene(file.name, new Uint8Array(buffer)),
        () => showStatus(file.name + ': cannot be read'));
  }

  const sceneActions = {
    share: () => share(),
    open: () => sceneFile.click(),
    save: () => save(),
  };
  for (const button of pageBar.querySelectorAll('.scene-buttons [data-action]')) {
    button.addEventListener('click', () => {
      if (editor !== 0 && !modalOpen()) {
        sceneActions[button.dataset.action]();
      }
    });
  }
  sceneFile.addEventListener('change', () => {
    if (sceneFile.files.length > 0 && editor !== 0) {
      openFile(sceneFile.files[0]);
    }
    sceneFile.value = '';
  });
  window.addEventListener('hashchange', () => {
    if (editor !== 0) {
      openLink();
    }
  });

  // ---- start ----

  function start() {
    if (location.protocol === 'file:') {
      showError('VELTRO must be served over HTTP: browsers load its WebAssembly module only ' +
                'from a web server, not from the disk. In the VELTRO folder, run ' +
                './run.sh --web and open the address it prints.');
      return Promise.reject(new Error('opened from the disk'));
    }
    if (typeof WebAssembly !== 'object') {
      showError('VELTRO could not start: this browser does not run WebAssembly.');
      return Promise.reject(new Error('no WebAssembly'));
    }
    // The module is built with WebAssembly SIMD, which a browser without it
    // refuses as a whole; such a browser gets the same module built without
    // it, which draws the same frames a little slower. The probe is a
    // function returning i8x16.popcnt(i8x16.splat(0)).
    const simdProbe = new Uint8Array([0, 97, 115, 109, 1, 0, 0, 0, 1, 5, 1, 96, 0, 1, 123, 3,
                                      2, 1, 0, 10, 10, 1, 8, 0, 65, 0, 253, 15, 253, 98, 11]);
    const moduleScript = WebAssembly.validate(simdProbe) ? 'veltro.js' : 'veltro-baseline.js';
    const script = document.createElement('script');
    script.src = moduleScript;
    const loaded = new Promise((resolve, reject) => {
      script.onload = resolve;
      script.onerror = () => reject(new Error(moduleScript + ' could not be loaded'));
    });
    document.head.append(script);
    let knotTextLimit = 0;
    const shell = {
      showMessageBox,
      setTitle,
      openBSplineDialog: (id, degree, knots) => openBSplineDialog(id, degree, knots, knotTextLimit),
    };
    return loaded
        .then(() => createVeltro({shell, print: () => {}, printErr: () => {}}))
        .then((instance) => {
          module = instance;
          const description = JSON.parse(module.UTF8ToString(module._veltro_page_description()));
          knotTextLimit = description.knotTextLimit;
          sceneLimit = description.sceneLimit;
          description.keys.forEach((key, index) => {
            if (key.code !== undefined) {
              keysByCode.set(key.code, index);
            } else {
              keysByCharacter.set(key.key, index);
            }
          });
          buildMenus(description.menuBar);
          editor = module._veltro_create();
          buildViewMenu();
          buildComparison(description.methods);
          showAtScale();
          inspector.start();
          // The white start frame, at once, as the desktop paints its client area.
          present();
          canvas.focus({preventScroll: true});
          return openLink();
        })
        .catch((error) => {
          console.error('VELTRO did not start:', error);
          showError('VELTRO could not start: its WebAssembly module did not load. Check that ' +
                    moduleScript + ' and ' + moduleScript.replace(/\.js$/, '.wasm') +
                    ' are next to this page, then reload.');
          throw error;
        });
  }

  // For tests and for the curious: whether the page has work left, and how
  // many frames it has shown.
  window.veltroPage = {
    ready: start(),
    isIdle: () => !tickPending && !busy,
    framesShown: () => framesShown,
    // The points as the Inspector reads them, for tests.
    points: () => JSON.parse(module.UTF8ToString(module._veltro_points(editor))),
    inspection: () => JSON.parse(module.UTF8ToString(module._veltro_inspection(editor))),
  };
  window.veltroPage.ready.catch(() => {});
})();
