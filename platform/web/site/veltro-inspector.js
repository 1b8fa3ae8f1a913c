// The Inspector beside the drawing area: the points as a table whose x and y
// can be typed, and the numbers behind the curve. It reads the editor once
// per presented frame and posts what the user types as messages; it never
// draws into the frame.
'use strict';

window.createVeltroInspector = (host) => {
  const STORAGE_KEY = 'veltro.inspector';
  // Rows beyond this are left out of the tables, with a note: a page with a
  // few thousand live inputs would stall on every frame.
  const MAX_ROWS = 500;
  const PLACEMENT_TEXT = [
    '',
    'There is no such point.',
    'Went back: it would land on another point.',
    'Went back: it would stick out of the drawing area.',
  ];

  const panel = document.getElementById('inspector');
  const pointsBody = document.querySelector('#inspector-points tbody');
  const pointsNote = document.getElementById('inspector-points-note');
  const notes = new Map();
  let shownPoints = [];
  let open = false;

  function stored() {
    try {
      return window.localStorage.getItem(STORAGE_KEY) === 'on';
    } catch (error) {
      return false;
    }
  }

  function remember(value) {
    try {
      window.localStorage.setItem(STORAGE_KEY, value ? 'on' : 'off');
    } catch (error) {
      // A page without storage forgets the choice; the panel still works.
    }
  }

  function setOpen(value) {
    open = value;
    panel.hidden = !open;
    host.menuItem.setAttribute('aria-checked', open ? 'true' : 'false');
    remember(open);
    if (open) {
      update();
    }
  }

  // ---- points ----

  function numberText(value) {
    return Number.isFinite(value) ? String(value) : '\u2013';
  }

  function typedCoordinate(text) {
    const trimmed = text.trim();
    if (trimmed === '' || !/^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$/.test(trimmed)) {
      return null;
    }
    const value = Number(trimmed);
    return Number.isFinite(value) ? value : null;
  }

  function showNote(row, index) {
    const note = notes.get(index) ?? '';
    row.querySelector('.note').textContent = note;
    for (const input of row.querySelectorAll('input')) {
      input.setAttribute('aria-invalid', note === '' ? 'false' : 'true');
      input.title = note;
    }
  }

  function commit(row, index, input) {
    delete input.dataset.editing;
    const point = shownPoints[index];
    const value = typedCoordinate(input.value);
    if (point === undefined) {
      return;
    }
    if (value === null) {
      notes.set(index, 'Refused: "' + input.value + '" is not a number.');
      input.value = numberText(input.name === 'x' ? point[0] : point[1]);
      showNote(row, index);
      return;
    }
    const x = input.name === 'x' ? value : point[0];
    const y = input.name === 'y' ? value : point[1];
    const placement = host.placement(index, x, y);
    if (placement === 0) {
      notes.delete(index);
    } else {
      notes.set(index, PLACEMENT_TEXT[placement] ?? '');
      input.value = numberText(input.name === 'x' ? point[0] : point[1]);
    }
    showNote(row, index);
    host.place(index, x, y);
  }

  function coordinateCell(row, index, name) {
    const cell = document.createElement('td');
    const input = document.createElement('input');
    input.name = name;
    input.inputMode = 'decimal';
    input.spellcheck = false;
    input.autocomplete = 'off';
    input.setAttribute('aria-label', name + ' of point ' + (index + 1));
    input.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        commit(row, index, input);
      } else if (event.key === 'Escape') {
        event.preventDefault();
        delete input.dataset.editing;
        showPoints(shownPoints, true);
        input.blur();
      }
    });
    input.addEventListener('input', () => {
      input.dataset.editing = 'true';
    });
    input.addEventListener('blur', () => {
      delete input.dataset.editing;
    });
    cell.append(input);
    return cell;
  }

  function makeRow(index) {
    const row = document.createElement('tr');
    const number = document.createElement('th');
    number.scope = 'row';
    number.textContent = String(index + 1);
    const note = document.createElement('td');
    note.className = 'note';
    row.append(number, coordinateCell(row, index, 'x'), coordinateCell(row, index, 'y'), note);
    return row;
  }

  // Rows are kept and refilled, so a cell being typed into keeps its text
  // and its caret while frames go by.
  function showPoints(points, force) {
    shownPoints = points;
    const count = Math.min(points.length, MAX_ROWS);
    while (pointsBody.rows.length > count) {
      pointsBody.lastElementChild.remove();
      notes.delete(pointsBody.rows.length);
    }
    while (pointsBody.rows.length < count) {
      pointsBody.append(makeRow(pointsBody.rows.length));
    }
    for (let i = 0; i < count; ++i) {
      const row = pointsBody.rows[i];
      for (const input of row.querySelectorAll('input')) {
        if (force || input.dataset.editing !== 'true') {
          input.value = numberText(input.name === 'x' ? points[i][0] : points[i][1]);
        }
      }
      showNote(row, i);
    }
    pointsNote.textContent = points.length > MAX_ROWS
        ? 'The first ' + MAX_ROWS + ' of ' + points.length + ' points are listed.'
        : '';
  }

  function update() {
    if (!open) {
      return;
    }
    showPoints(host.points(), false);
  }

  return {
    isOpen: () => open,
    toggle: () => setOpen(!open),
    start: () => setOpen(stored()),
    // After every presented frame.
    update,
  };
};
