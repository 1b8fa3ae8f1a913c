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

  function deleteCell(index) {
    const cell = document.createElement('td');
    cell.className = 'row-action';
    const button = document.createElement('button');
    button.type = 'button';
    button.dataset.action = 'delete';
    button.textContent = 'Delete';
    button.setAttribute('aria-label', 'Delete point ' + (index + 1));
    button.addEventListener('click', () => {
      if (index >= shownPoints.length) {
        return;
      }
      // The rows after it move up, so their notes no longer fit them.
      notes.clear();
      host.deletePoint(index);
    });
    cell.append(button);
    return cell;
  }

  function makeRow(index) {
    const row = document.createElement('tr');
    const number = document.createElement('th');
    number.scope = 'row';
    number.textContent = String(index + 1);
    const note = document.createElement('td');
    note.className = 'note';
    row.append(number, coordinateCell(row, index, 'x'), coordinateCell(row, index, 'y'),
               deleteCell(index), note);
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

  // ---- the parameter ----

  // The methods whose t is the editor's slider; the other four have one of
  // their own, set here.
  const SLIDER_METHODS = new Set(['useNestedLinear', 'useBSpline']);
  const tSlider = document.getElementById('inspector-t-slider');
  const tTyped = document.getElementById('inspector-t-typed');
  const tNote = document.getElementById('inspector-t-note');
  let parameter = {t: 0, domain: [0, 0], settable: false};

  // A thousand positions, or one per hundredth on long domains, so that a
  // position is a short decimal t either way.
  function sliderSteps(length) {
    return length > 0 ? Math.min(Math.max(Math.ceil(length * 100), 1000), 1000000) : 0;
  }

  function showRefusal(text) {
    tNote.textContent = text;
    tTyped.setAttribute('aria-invalid', text === '' ? 'false' : 'true');
  }

  function showParameter(data) {
    const [a, b] = data.parameter.domain;
    const length = b - a;
    const t = data.parameter.t;
    parameter = {t, domain: [a, b], settable: !SLIDER_METHODS.has(data.method) && length > 0};
    const steps = sliderSteps(length);
    tSlider.max = String(steps);
    tSlider.value = String(length > 0 ? Math.round((t - a) / length * steps) : 0);
    tSlider.disabled = !parameter.settable;
    tTyped.disabled = !parameter.settable;
    if (tTyped.dataset.editing !== 'true') {
      tTyped.value = value(t);
    }
    if (SLIDER_METHODS.has(data.method)) {
      showRefusal('');
      tNote.textContent = 't follows the editor\'s slider.';
    } else if (tNote.textContent.startsWith('t follows')) {
      tNote.textContent = '';
    }
  }

  tSlider.addEventListener('input', () => {
    if (!parameter.settable) {
      return;
    }
    const [a, b] = parameter.domain;
    // The product is a whole number, so the quotient is the nearest double
    // to a short decimal, as in the desktop program.
    showRefusal('');
    host.inspect(a + (b - a) * Number(tSlider.value) / Number(tSlider.max));
  });
  tTyped.addEventListener('input', () => {
    tTyped.dataset.editing = 'true';
  });
  tTyped.addEventListener('blur', () => {
    delete tTyped.dataset.editing;
  });
  tTyped.addEventListener('keydown', (event) => {
    if (event.key !== 'Enter' || !parameter.settable) {
      return;
    }
    event.preventDefault();
    delete tTyped.dataset.editing;
    const typed = tTyped.value;
    const t = typedCoordinate(typed);
    const [a, b] = parameter.domain;
    if (t === null) {
      showRefusal('Refused: "' + typed + '" is not a number.');
    } else if (t < a || t > b) {
      showRefusal('Refused: ' + typed.trim() + ' is outside [' + value(a) + ', ' + value(b) + '].');
    } else {
      showRefusal('');
      host.inspect(t);
      return;
    }
    tTyped.value = value(parameter.t);
  });

  // ---- the numbers behind the curve ----

  const MOST_POINTS_PER_LEVEL = 40;
  const plot = document.getElementById('basis-plot');
  let inspection = null;
  let highlighted = null;

  function pointText(p) {
    return p === null ? '\u2013' : '(' + numberText(p[0]) + ', ' + numberText(p[1]) + ')';
  }

  function value(v) {
    return v === null || v === undefined ? '\u2013' : numberText(v);
  }

  // Fills a table's body with rows of cells, the first cell of each row its
  // header; past MAX_ROWS rows the note under the table says how many of
  // how many are listed.
  function fillTable(id, allRows, what, noteId = id + '-note') {
    const rows = allRows.slice(0, MAX_ROWS);
    document.getElementById(noteId).textContent = allRows.length > MAX_ROWS
        ? 'The first ' + MAX_ROWS + ' of ' + allRows.length + ' ' + what + ' are listed.'
        : '';
    const body = document.querySelector('#' + id + ' tbody');
    while (body.rows.length > rows.length) {
      body.lastElementChild.remove();
    }
    rows.forEach((cells, r) => {
      let row = body.rows[r];
      if (row === undefined || row.cells.length !== cells.length) {
        const fresh = document.createElement('tr');
        cells.forEach((_, c) => {
          const cell = document.createElement(c === 0 ? 'th' : 'td');
          if (c === 0) {
            cell.scope = 'row';
          }
          fresh.append(cell);
        });
        if (row === undefined) {
          body.append(fresh);
        } else {
          row.replaceWith(fresh);
        }
        row = fresh;
      }
      cells.forEach((text, c) => {
        if (row.cells[c].textContent !== text) {
          row.cells[c].textContent = text;
        }
      });
    });
  }

  function methodTable(data) {
    if (data.bspline) {
      const b = data.bspline;
      return {
        headers: ['Knot', 'Multiplicity'],
        rows: b.multiplicities.map(([knot, times]) => [String(knot), String(times)]),
        note: 'Degree ' + b.degree + '; span ' +
              (b.span === null ? 'none' : '[u' + b.span + ', u' + (b.span + 1) + ')') + '.',
      };
    }
    if (data.newton) {
      return {
        headers: ['k', 'f[0..k] of x', 'f[0..k] of y'],
        rows: data.newton.x.map((x, k) => [String(k), value(x), value(data.newton.y[k])]),
        note: 'Newton\'s divided differences over the nodes 0, 1, \u2026',
      };
    }
    if (data.spline) {
      return {
        headers: ['Term', 'x', 'y'],
        rows: data.spline.terms.map((term, i) => [term, value(data.spline.x[i]),
                                                  value(data.spline.y[i])]),
        note: 'The spline\'s coefficients in the truncated power basis.',
      };
    }
    return {headers: ['\u2014'], rows: [], note: 'No numbers of its own for this method.'};
  }

  function showNumbers(data) {
    inspection = data;
    const [a, b] = data.parameter.domain;
    document.getElementById('inspector-t').textContent = value(data.parameter.t);
    document.getElementById('inspector-domain').textContent = '[' + value(a) + ', ' + value(b) + ']';
    showParameter(data);
    fillTable('inspector-weights', data.weights.map((w, i) => [String(i + 1), value(w)]),
              'weights');
    document.getElementById('inspector-curve-point').textContent = pointText(data.curvePoint);
    document.getElementById('inspector-weight-sum').textContent =
        value(data.weights.reduce((sum, w) => sum + (w ?? NaN), 0));
    fillTable('inspector-levels', (data.levels ?? []).map((level, k) => {
      const shown = level.slice(0, MOST_POINTS_PER_LEVEL).map(pointText);
      if (level.length > MOST_POINTS_PER_LEVEL) {
        shown.push('\u2026 ' + (level.length - MOST_POINTS_PER_LEVEL) + ' more');
      }
      return [String(k), shown.join(' ')];
    }), 'levels');
    const method = methodTable(data);
    const head = document.querySelector('#inspector-method thead tr');
    if ([...head.cells].map((c) => c.textContent).join('\t') !== method.headers.join('\t')) {
      head.replaceChildren(...method.headers.map((text) => {
        const cell = document.createElement('th');
        cell.scope = 'col';
        cell.textContent = text;
        return cell;
      }));
    }
    fillTable('inspector-method', method.rows, 'rows', 'inspector-method-rows-note');
    document.getElementById('inspector-method-note').textContent = method.note;
    drawPlot();
  }

  // ---- the basis plot ----

  const RULER = 36;
  const MARGIN = 8;

  function plotGeometry() {
    const basis = inspection?.basisCurves;
    const [a, b] = inspection ? inspection.parameter.domain : [0, 1];
    let low = 0;
    let high = 1;
    for (const curve of basis?.curves ?? []) {
      for (const [, w] of curve) {
        if (w !== null) {
          low = Math.min(low, w);
          high = Math.max(high, w);
        }
      }
    }
    const ruler = basis && basis.knots.length > 0 ? RULER : 0;
    const area = {left: MARGIN, top: MARGIN, width: plot.width - 2 * MARGIN,
                  height: plot.height - 2 * MARGIN - ruler};
    const x = (u) => area.left + (b > a ? (u - a) / (b - a) : 0.5) * area.width;
    const y = (w) => area.top + area.height - (high > low ? (w - low) / (high - low) : 0.5) * area.height;
    return {basis, area, x, y};
  }

  function curveColour(i) {
    return 'hsl(' + ((i * 47) % 360) + ' 55% 45%)';
  }

  function drawPlot() {
    const g = plot.getContext('2d');
    const {basis, area, x, y} = plotGeometry();
    g.fillStyle = '#fff';
    g.fillRect(0, 0, plot.width, plot.height);
    g.strokeStyle = '#c0c0c0';
    g.lineWidth = 1;
    g.strokeRect(area.left, area.top, area.width, area.height);
    if (!basis) {
      g.fillStyle = '#666';
      g.textAlign = 'center';
      g.fillText('No basis functions to plot.', plot.width / 2, plot.height / 2);
      return;
    }
    const drawCurve = (curve, i, width) => {
      g.strokeStyle = curveColour(i);
      g.lineWidth = width;
      g.beginPath();
      let drawing = false;
      for (const [u, w] of curve) {
        if (u === null || w === null) {
          drawing = false;
          continue;
        }
        drawing ? g.lineTo(x(u), y(w)) : g.moveTo(x(u), y(w));
        drawing = true;
      }
      g.stroke();
    };
    basis.curves.forEach((curve, i) => {
      if (i !== highlighted) {
        drawCurve(curve, i, 1.2);
      }
    });
    if (highlighted !== null && basis.curves[highlighted]) {
      drawCurve(basis.curves[highlighted], highlighted, 3);
    }
    const tx = x(inspection.parameter.t);
    g.strokeStyle = '#000';
    g.lineWidth = 1;
    g.beginPath();
    g.moveTo(tx, area.top);
    g.lineTo(tx, area.top + area.height);
    g.stroke();
    if (basis.knots.length > 0) {
      const rulerY = area.top + area.height + 10;
      g.beginPath();
      g.moveTo(area.left, rulerY);
      g.lineTo(area.left + area.width, rulerY);
      g.stroke();
      const stacked = new Map();
      g.fillStyle = '#000';
      for (const knot of basis.knots) {
        const level = stacked.get(knot) ?? 0;
        stacked.set(knot, level + 1);
        g.beginPath();
        g.arc(x(knot), rulerY + 5 + 5 * Math.min(level, 4), 2, 0, 2 * Math.PI);
        g.fill();
      }
    }
  }

  function highlight(index) {
    if (highlighted === index) {
      return;
    }
    highlighted = index;
    for (const row of document.querySelectorAll('#inspector-points tbody tr, #inspector-weights tbody tr')) {
      row.classList.toggle('highlighted', row.sectionRowIndex === index);
    }
    drawPlot();
  }

  plot.addEventListener('pointermove', (event) => {
    const {basis, x, y} = plotGeometry();
    const rect = plot.getBoundingClientRect();
    const px = (event.clientX - rect.left) * plot.width / rect.width;
    const py = (event.clientY - rect.top) * plot.height / rect.height;
    let nearest = null;
    let best = 6;
    (basis?.curves ?? []).forEach((curve, i) => {
      for (const [u, w] of curve) {
        if (u !== null && w !== null) {
          const d = Math.hypot(x(u) - px, y(w) - py);
          if (d < best) {
            best = d;
            nearest = i;
          }
        }
      }
    });
    highlight(nearest);
  });
  plot.addEventListener('pointerleave', () => highlight(null));
  for (const id of ['inspector-points', 'inspector-weights']) {
    const body = document.querySelector('#' + id + ' tbody');
    body.addEventListener('pointerover', (event) => {
      const row = event.target.closest('tr');
      highlight(row ? row.sectionRowIndex : null);
    });
    body.addEventListener('focusin', (event) => {
      const row = event.target.closest('tr');
      highlight(row ? row.sectionRowIndex : null);
    });
    body.addEventListener('pointerleave', () => highlight(null));
  }

  // ---- copying ----

  // A column of buttons is no number: copies leave it out.
  function tableCells(table) {
    const text = (cell) => cell.querySelector('input')?.value ?? cell.textContent;
    return [...table.rows].map(
        (row) => [...row.cells].filter((cell) => !cell.classList.contains('row-action')).map(text));
  }

  function latexText(text) {
    return text.replace(/[\\&%$#_{}^~]/g, (c) => ({
      '\\': '\\textbackslash{}', '^': '\\^{}', '~': '\\~{}',
    })[c] ?? '\\' + c);
  }

  function copyText(table, format) {
    const rows = tableCells(table);
    if (format === 'tsv') {
      return rows.map((row) => row.join('\t')).join('\n') + '\n';
    }
    const columns = rows.length > 0 ? rows[0].length : 0;
    const line = (row) => row.map(latexText).join(' & ') + ' \\\\\n';
    return '\\begin{tabular}{' + 'r'.repeat(columns) + '}\n\\hline\n' +
           (rows.length > 0 ? line(rows[0]) + '\\hline\n' : '') +
           rows.slice(1).map(line).join('') + '\\hline\n\\end{tabular}\n';
  }

  // Each table's two copy buttons, made here rather than written out per
  // table in the page.
  for (const holder of panel.querySelectorAll('.copy-buttons')) {
    const table = document.getElementById(holder.dataset.table);
    for (const [format, text] of [['tsv', 'Copy TSV'], ['latex', 'Copy LaTeX']]) {
      const button = document.createElement('button');
      button.type = 'button';
      button.dataset.copy = format;
      button.textContent = text;
      holder.append(button);
      button.addEventListener('click', () => {
        const copied = copyText(table, format);
        navigator.clipboard?.writeText(copied).catch(() => {});
        // What was copied, also where a page without clipboard access keeps it.
        panel.dataset.copied = copied;
      });
    }
  }

  function update() {
    if (!open) {
      return;
    }
    showPoints(host.points(), false);
    showNumbers(host.inspection());
  }

  return {
    isOpen: () => open,
    toggle: () => setOpen(!open),
    start: () => setOpen(stored()),
    // After every presented frame.
    update,
  };
};
