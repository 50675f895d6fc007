// SPDX-License-Identifier: MIT
// The page's side of the browser back end: it makes the elements the program asks for, binds their
// events to the program (_tenvex_raise with the control's place and the event: 1 change, 2 click,
// as the program numbers them) and gives the editable combo box the keys and the mouse of the
// desktop builds. The program calls it by name with passed arguments (call), and names each
// element by its control's place in the description, the panel by -1.
Module.tenvex = (() => {
  const Change = 1, Click = 2;
  const elements = [];
  let panel;
  const element = place => (place < 0 ? panel : elements[place]);
  const make = (tag, parent, props = {}) => {
    const element = document.createElement(tag);
    Object.assign(element, props);
    if (parent) parent.appendChild(element);
    return element;
  };

  function makePanel(id, caption, width, height, face, bold) {
    panel = make('section', document.body, {id, className: 'window'});
    panel.style.visibility = 'hidden'; // measured and placed first, then shown
    panel.setAttribute('aria-labelledby', id + '-title');
    make('h1', panel, {id: id + '-title', className: 'title', textContent: caption});
    panel.client = make('div', panel, {className: 'client'});
    Object.assign(panel.client.style, {width: width + 'px', height: height + 'px'});
    panel.style.fontFamily = `"${face}", sans-serif`; // the face, or the nearest sans-serif
    panel.style.fontWeight = bold ? 'bold' : 'normal';
    document.title = caption;
  }

  // The list of a combo box: all entries in order whatever has been typed, opened by its button,
  // Alt+Down or F4; arrows move through it, Enter takes the entry, Escape closes it and keeps
  // the typed text. With the list closed, the arrows take the next or previous entry.
  function makeComboBox(box, id, name) {
    const input = make('input', box, {id: id + '-input', type: 'text', autocomplete: 'off'});
    input.setAttribute('role', 'combobox');
    input.setAttribute('aria-autocomplete', 'none');
    input.setAttribute('aria-expanded', 'false');
    input.setAttribute('aria-controls', id + '-list');
    if (name) input.setAttribute('aria-label', name);
    const button = make('span', box, {className: 'drop', ariaHidden: 'true'});
    const list = make('ul', box, {id: id + '-list', hidden: true});
    list.setAttribute('role', 'listbox');
    if (name) list.setAttribute('aria-label', name);
    const entries = [], options = [];
    box.addEntry = text => {
      const i = entries.length;
      const option = make('li', list, {id: `${id}-option-${i}`, textContent: text});
      option.setAttribute('role', 'option');
      // A click on an entry takes it, and so does a release on it after a press on the arrow.
      const pick = event => {
        event.preventDefault();
        if (!list.hidden) { take(i); close(); }
      };
      option.addEventListener('mousedown', pick);
      option.addEventListener('mouseup', pick);
      entries.push(text);
      options.push(option);
    };
    let active = -1;
    const highlight = i => {
      active = i;
      options.forEach((option, j) => option.setAttribute('aria-selected', String(j === i)));
      if (i >= 0) {
        input.setAttribute('aria-activedescendant', options[i].id);
        options[i].scrollIntoView({block: 'nearest'});
      } else {
        input.removeAttribute('aria-activedescendant');
      }
    };
    const take = i => { input.value = entries[i]; input.select(); };
    const open = () => {
      list.hidden = false;
      input.setAttribute('aria-expanded', 'true');
      highlight(entries.indexOf(input.value));
      input.select();
    };
    const close = () => {
      list.hidden = true;
      input.setAttribute('aria-expanded', 'false');
      highlight(-1);
    };
    button.addEventListener('mousedown', event => {
      event.preventDefault();
      input.focus();
      list.hidden ? open() : close();
    });
    input.addEventListener('blur', close);
    // Typed text is kept when the list closes: Enter then takes no entry.
    input.addEventListener('input', () => highlight(-1));
    input.addEventListener('keydown', event => {
      const toggle = (event.altKey && (event.key === 'ArrowDown' || event.key === 'ArrowUp'))
        || event.key === 'F4';
      const step = {ArrowDown: 1, ArrowUp: -1}[event.key];
      if (toggle) {
        list.hidden ? open() : close();
      } else if (step && !list.hidden) {
        highlight(Math.min(Math.max(active + step, 0), entries.length - 1));
      } else if (step) {
        const current = entries.indexOf(input.value);
        take(Math.min(Math.max(current < 0 ? 0 : current + step, 0), entries.length - 1));
      } else if (event.key === 'Enter' && !list.hidden) {
        if (active >= 0) take(active);
        close();
      } else if (event.key === 'Escape' && !list.hidden) {
        close();
      } else {
        return;
      }
      event.preventDefault();
    });
    box.input = input;
    return box;
  }

  // A paste or a drop goes in whole, all its lines on one, or not at all where the box could not
  // hold it (the program says so); typing stops at the limit.
  function makeTextBox(parent, id, place, limit) {
    const element = make('input', parent, {id, type: 'text', autocomplete: 'off',
                                           spellcheck: false, maxLength: limit});
    element.addEventListener('input', () => Module._tenvex_raise(place, Change));
    const insert = (event, text) => {
      event.preventDefault();
      const kept = element.value.length - (element.selectionEnd - element.selectionStart);
      reported = text;
      Module._tenvex_insert(place, text.length, kept);
    };
    element.addEventListener('paste', event => insert(event, event.clipboardData.getData('text')));
    // A drop goes in where it is let go, as on the desktop, whatever is selected.
    element.addEventListener('drop', event => {
      const at = document.caretPositionFromPoint
        && document.caretPositionFromPoint(event.clientX, event.clientY);
      if (at && at.offsetNode === element) element.setSelectionRange(at.offset, at.offset);
      insert(event, event.dataTransfer.getData('text'));
    });
    return element;
  }

  // The whole result is what is copied, however it is shown: by Ctrl+C or the Copy of its menu
  // with the box focused, or with a selection in it.
  const wholeOf = element => element.whole.textContent;
  document.addEventListener('copy', event => {
    const selected = document.getSelection().anchorNode;
    const box = [document.activeElement, selected && selected.parentElement]
      .map(node => node && node.closest && node.closest('output')).find(Boolean);
    if (!box || !wholeOf(box)) return;
    event.preventDefault();
    event.clipboardData.setData('text/plain', wholeOf(box));
  });

  function makeCopyMenu(element) {
    const menu = make('ul', document.body, {className: 'menu', hidden: true});
    menu.setAttribute('role', 'menu');
    const copy = make('li', menu, {textContent: 'Copy', tabIndex: -1});
    copy.setAttribute('role', 'menuitem');
    copy.setAttribute('aria-keyshortcuts', 'C');
    const close = () => { menu.hidden = true; element.focus(); };
    const take = () => { navigator.clipboard.writeText(wholeOf(element)); close(); };
    copy.addEventListener('click', take);
    menu.addEventListener('keydown', event => {
      if (event.key === 'c' || event.key === 'C' || event.key === 'Enter') take();
      else if (event.key === 'Escape') close();
      else return;
      event.preventDefault();
    });
    copy.addEventListener('blur', () => { menu.hidden = true; });
    element.addEventListener('contextmenu', event => {
      event.preventDefault();
      Object.assign(menu.style, {left: event.pageX + 'px', top: event.pageY + 'px'});
      menu.hidden = false;
      copy.focus();
    });
  }

  function makeControl(place, parentPlace, id, kind, name, outputBox, limit) {
    const parent = parentPlace < 0 ? panel.client : elements[parentPlace];
    let element;
    if (kind === 'frame') {
      element = make('fieldset', parent, {id});
      element.legendElement = make('legend', element);
    } else if (kind === 'textbox') {
      element = makeTextBox(parent, id, place, limit);
    } else if (kind === 'combobox') {
      element = makeComboBox(make('div', parent, {id, className: 'combo'}), id, name);
    } else if (kind === 'button') {
      element = make('button', parent, {id, type: 'button'});
      element.addEventListener('click', () => Module._tenvex_raise(place, Click));
      // Enter never presses the button; Space and the pointer do.
      element.addEventListener('keydown', event => {
        if (event.key === 'Enter') event.preventDefault();
      });
    } else if (outputBox) {
      element = make('output', parent, {id, className: 'output', tabIndex: -1});
      // Seen: the form that fits, drawn by the style sheet from data-shown; read by screen
      // readers: the whole result, the box's only text.
      element.whole = make('span', element, {className: 'unseen'});
      // A polite live region beside the panel says each new result wherever the focus is.
      element.announcement = make('div', document.body, {className: 'unseen'});
      element.announcement.setAttribute('aria-live', 'polite');
      element.setAttribute('role', 'textbox');
      element.setAttribute('aria-readonly', 'true');
      makeCopyMenu(element);
    } else {
      element = make('div', parent, {id, className: 'label'});
    }
    if (name && kind !== 'combobox') element.setAttribute('aria-label', name);
    elements[place] = element;
  }

  function place(at, left, top, width, height, fontSize, centred) {
    const style = element(at).style;
    Object.assign(style, {left: left + 'px', top: top + 'px', width: width + 'px',
                          height: height + 'px', fontSize: fontSize + 'pt'});
    if (centred) style.textAlign = 'center';
  }

  const input = place => elements[place].input || elements[place];
  const setCaption = (place, caption) => {
    (elements[place].legendElement || elements[place]).textContent = caption;
  };

  // Whether `text` fits the output box on one line.
  function fits(place, text) {
    const element = elements[place];
    element.dataset.shown = text;
    return element.scrollWidth <= element.clientWidth;
  }

  function showResult(place, shown, tooltip, whole, announced) {
    const element = elements[place];
    element.dataset.shown = shown;
    element.title = tooltip;
    element.whole.textContent = whole;
    element.announcement.textContent = announced ? whole : '';
  }

  // One modal dialog, its message as plain text; Enter and Escape close it, and the focus goes
  // back where it was.
  function showError(caption, message) {
    const returnTo = document.activeElement;
    const dialog = make('dialog', document.body, {className: 'error'});
    dialog.setAttribute('aria-label', caption);
    make('p', dialog, {textContent: message});
    const ok = make('button', dialog, {type: 'button', textContent: 'OK'});
    ok.addEventListener('click', () => dialog.close());
    dialog.addEventListener('keydown', event => {
      if (event.key === 'Enter') { event.preventDefault(); dialog.close(); }
    });
    dialog.addEventListener('close', () => {
      dialog.remove();
      if (returnTo) returnTo.focus();
    });
    dialog.showModal();
    ok.focus();
  }

  const focusInput = place => {
    const box = input(place);
    box.focus();
    if (box.select) box.select();
  };
  // Typed in where the selection is, as the user's own input: it can be undone, and it raises
  // the change.
  const insertText = (place, text) => {
    input(place).focus();
    document.execCommand('insertText', false, text);
  };

  const page = {
    makePanel, makeControl, place, setCaption, fits, showResult, showError, focusInput, insertText,
    addEntry: (place, text) => elements[place].addEntry(text),
    colour: (place, background, color) => Object.assign(elements[place].style, {background, color}),
    setLength: (place, property, pixels) => { element(place).style[property] = pixels + 'px'; },
    show: () => { panel.style.visibility = 'visible'; },
    value: place => input(place).value,
    setValue: (place, text) => { input(place).value = text; },
    width: place => element(place).offsetWidth,
    height: place => element(place).offsetHeight,
    viewportWidth: () => document.documentElement.clientWidth,
    viewportHeight: () => document.documentElement.clientHeight,
  };

  // The bridge: texts cross as UTF-16 units in the program's memory, each call's arguments are
  // passed first, and a text returned is reported and then copied by the program.
  const Chunk = 8192; // units per fromCharCode call, well within any engine's argument limit
  let passed = [], reported = '';
  const take = () => { const args = passed; passed = []; return args; };
  return {
    text(units, length) {
      let text = '';
      for (let i = 0; i < length; i += Chunk) {
        const from = (units >> 1) + i;
        text += String.fromCharCode.apply(
          null, HEAPU16.subarray(from, from + Math.min(Chunk, length - i)));
      }
      return text;
    },
    pass: value => { passed.push(value); },
    call(name) {
      const result = page[name](...take());
      return result === undefined ? 0 : Number(result);
    },
    callForText(name) {
      reported = String(page[name](...take()));
      return reported.length;
    },
    copyReported(units) {
      for (let i = 0; i < reported.length; ++i) HEAPU16[(units >> 1) + i] = reported.charCodeAt(i);
    },
  };
})();
