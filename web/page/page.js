// SPDX-License-Identifier: GPL-3.0-or-later
// The page around the engine: the terminal, the menus and panes, and the queue between them and the
// engine (kovrel.js). The engine asks for its next input and sleeps until there is one; the page
// answers with key bytes from the terminal or with a command from a menu or a button.
'use strict';

const $ = (id) => document.getElementById(id);
const encoder = new TextEncoder();
const darkScheme = matchMedia('(prefers-color-scheme: dark)');

const terminal = new Terminal({
  cols: 80, rows: 24, scrollback: 2000, cursorBlink: true, fontSize: 15,
  fontFamily: 'ui-monospace, "DejaVu Sans Mono", monospace', theme: terminalTheme(),
});
const fit = new FitAddon.FitAddon();
terminal.loadAddon(fit);
terminal.open($('terminal'));

function terminalTheme() {
  return darkScheme.matches
    ? { background: '#101214', foreground: '#e6e6e6', cursor: '#e6e6e6', selectionBackground: '#3a4a66' }
    : { background: '#ffffff', foreground: '#111111', cursor: '#111111', selectionBackground: '#b9d1f5' };
}

// The engine's side of the queue. `idle` is true while the engine waits between commands: only
// then do the menus start anything, so that nothing cuts into a display or a pause.
const engine = { queue: [], waiting: null, idle: false, started: false };

function deliver(item) {
  if (engine.waiting) {
    const resolve = engine.waiting;
    engine.waiting = null;
    document.body.dataset.engine = 'busy';
    resolve(item);
  } else {
    engine.queue.push(item);
  }
}

function sendKeys(text) {
  deliver({ kind: 'keys', bytes: encoder.encode(text) });
}

const kBusy = 'The router is busy: answer " --More--" (Space or q) first.';

function sendCommand(text) {
  if (!engine.idle || engine.waiting === null || engine.queue.length > 0) {
    setStatus(kBusy);
    return false;
  }
  deliver({ kind: 'command', bytes: encoder.encode(text) });
  return true;
}

function setStatus(text) {
  $('status').textContent = text;
}

// ---- What the engine shows ----------------------------------------------------------------

let shownView = 'console-view';
let pictureUrl = null;

function showView(id) {
  shownView = id;
  for (const view of document.querySelectorAll('.view')) view.hidden = view.id !== id;
  if (id === 'console-view') {
    fitTerminal();
    terminal.focus();
  }
}

const viewOfActivity = {
  lab: 'console-view', test: 'console-view', troubleshooting: 'console-view',
  information: 'information', flashCards: 'cards', testReport: 'report',
};
let lastActivity = null;

const events = {
  menus(menus) { buildMenus(menus); },
  activity(panes) {
    $('routers').hidden = !panes.twoRouters;
    $('solved').hidden = true;
    setRouter('A');
    $('submit').hidden = !panes.submit;
    if (panes.closePicture) closePicture();
    if (panes.focusLearnMode) document.querySelector('input[value="learn"]').checked = true;
    showView('console-view');
  },
  pane({ name, html }) {
    const pane = $(name);
    pane.innerHTML = html; // built by the engine with every lesson character escaped
    pane.scrollTop = 0;
  },
  card(card) {
    $('card-question').textContent = card.question;
    $('card-answer').textContent = card.answer;
    $('card-back').disabled = !card.back;
    $('card-forward').disabled = !card.forward;
    $('card-show-answer').disabled = !card.showAnswer;
    $('card-knew').disabled = !card.rate;
    $('card-not-yet').disabled = !card.rate;
  },
  topics(topics) {
    const select = $('card-topic');
    const chosen = select.value;
    select.length = 1;
    for (const topic of topics) select.add(new Option(topic, topic));
    select.value = topics.includes(chosen) ? chosen : '';
  },
  checklist(steps) {
    const list = $('checklist');
    list.textContent = '';
    for (const step of steps) {
      const item = document.createElement('li');
      item.value = step.number;
      item.className = step.done ? 'done' : '';
      item.textContent = `${step.done ? '\u2713' : '\u2717'} ${step.heading}`;
      list.append(item);
    }
    $('steps').hidden = steps.length === 0;
  },
  solved(scenario) {
    $('solved').textContent = `Troubleshooting ${scenario} solved.`;
    $('solved').hidden = false;
  },
  picture({ title, svg }) {
    $('network-title').textContent = title || 'Network';
    if (pictureUrl) URL.revokeObjectURL(pictureUrl);
    pictureUrl = URL.createObjectURL(new Blob([svg], { type: 'image/svg+xml' }));
    $('network-picture').src = pictureUrl;
  },
  router(router) { setRouter(router); },
  state({ activity, learnMode, canReset, hints }) {
    saveProgressSoon();
    // Reset and Submit belong to the console's activities, not to cards or texts.
    const atConsole = ['lab', 'test', 'troubleshooting'].includes(activity);
    $('reset').hidden = !canReset;
    // Hints are for troubleshooting in Learn Mode; once all is shown there is nothing to reveal.
    $('hints').hidden = hints !== 'offered' && hints !== 'allRevealed';
    $('hint').disabled = hints !== 'offered';
    $('solution').disabled = hints !== 'offered';
    if (!atConsole) $('submit').hidden = true;
    if (!atConsole) $('steps').hidden = true;
    document.querySelector(`input[value="${learnMode ? 'learn' : 'test'}"]`).checked = true;
    if (activity !== lastActivity) {
      lastActivity = activity;
      showView(viewOfActivity[activity] || 'console-view');
    }
  },
  refused() { setStatus(kBusy); },
};

function setRouter(router) {
  for (const button of $('routers').querySelectorAll('button')) {
    button.setAttribute('aria-pressed', String(button.dataset.router === router));
  }
}

function showMessage(text) {
  return new Promise((resolve) => {
    const dialog = $('message');
    $('message-text').textContent = text;
    dialog.addEventListener('close', () => { resolve(); terminal.focus(); }, { once: true });
    dialog.showModal();
  });
}

// ---- Menus --------------------------------------------------------------------------------

function buildMenus(menus) {
  const bar = $('menubar');
  bar.textContent = '';
  const labs = [];
  for (const item of menus.labs) {
    const groupName = item.group === 'Labs' ? null : item.group;
    if (labs.length === 0 || labs[labs.length - 1].name !== groupName) labs.push({ name: groupName, items: [] });
    labs[labs.length - 1].items.push({ caption: item.caption, command: `lab ${item.key}` });
  }
  const one = (items, verb) => [{ name: null, items: items.map((i) => ({ caption: i.caption, command: `${verb} ${i.key}` })) }];
  addMenu(bar, 'Labs', labs);
  addMenu(bar, 'Tests', one(menus.tests, 'test'));
  addMenu(bar, 'Troubleshooting', one(menus.troubleshooting, 'troubleshooting'));
  addMenu(bar, 'Flash Cards', [{ name: null, items: [{ caption: 'Load Flash Cards', command: 'cards', view: 'cards' }] }]);
  addMenu(bar, 'View', [{ name: null, items: [
    { caption: 'Instructions and Terminal', action: () => showView('console-view') },
    { caption: 'Network', action: openPicture },
  ] }]);
  addMenu(bar, 'Help', [{ name: null, items: [
    { caption: 'Welcome', command: 'information welcomeText', view: 'information' },
    { caption: 'Study Plan', command: 'information studyPlan', view: 'information' },
    { caption: 'Disclaimer', command: 'information disclaimer', view: 'information' },
    { caption: 'About', action: () => showMessage('Kovrel Router Simulator\n\nThe console of a small router, '
      + 'with labs, tests, troubleshooting and flash cards, running in this page.\n\nFree software under the '
      + 'GNU General Public License, version 3 or later.') },
  ] }]);
}

function addMenu(bar, title, groups) {
  const menu = document.createElement('div');
  menu.className = 'menu';
  const button = document.createElement('button');
  button.type = 'button';
  button.textContent = title;
  button.setAttribute('aria-haspopup', 'menu');
  button.setAttribute('aria-expanded', 'false');
  const list = document.createElement('ul');
  list.className = 'menu-list';
  list.setAttribute('role', 'menu');
  list.setAttribute('aria-label', title);
  list.hidden = true;
  for (const group of groups) {
    if (group.name) {
      const heading = document.createElement('li');
      heading.className = 'group';
      heading.setAttribute('role', 'presentation');
      heading.textContent = group.name;
      list.append(heading);
    }
    for (const item of group.items) {
      const entry = document.createElement('li');
      entry.setAttribute('role', 'none');
      const itemButton = document.createElement('button');
      itemButton.type = 'button';
      itemButton.setAttribute('role', 'menuitem');
      itemButton.textContent = item.caption;
      itemButton.addEventListener('click', () => {
        closeMenus();
        if (item.action) item.action();
        else if (sendCommand(item.command)) {
          setStatus(item.caption);
          if (item.view) showView(item.view);
        }
      });
      entry.append(itemButton);
      list.append(entry);
    }
  }
  button.addEventListener('click', () => {
    const opening = list.hidden;
    closeMenus();
    if (opening) openMenu(button, list);
  });
  list.addEventListener('keydown', (event) => moveInMenu(event, button, list));
  menu.append(button, list);
  bar.append(menu);
}

function openMenu(button, list) {
  list.hidden = false;
  button.setAttribute('aria-expanded', 'true');
  list.querySelector('[role="menuitem"]').focus();
}

function closeMenus() {
  for (const list of document.querySelectorAll('.menu-list')) list.hidden = true;
  for (const button of document.querySelectorAll('.menu > button')) button.setAttribute('aria-expanded', 'false');
}

function moveInMenu(event, button, list) {
  const items = [...list.querySelectorAll('[role="menuitem"]')];
  const at = items.indexOf(document.activeElement);
  if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
    const step = event.key === 'ArrowDown' ? 1 : -1;
    items[(at + step + items.length) % items.length].focus();
    event.preventDefault();
  } else if (event.key === 'Escape') {
    closeMenus();
    button.focus();
  }
}

document.addEventListener('click', (event) => {
  if (!event.target.closest('.menu')) closeMenus();
});

// ---- The side panel, the picture and the cards ---------------------------------------------

for (const radio of document.querySelectorAll('input[name="mode"]')) {
  radio.addEventListener('change', () => sendCommand(`mode ${radio.value}`));
}
$('show-console').addEventListener('click', () => showView('console-view'));
$('show-network').addEventListener('click', openPicture);
$('network-close').addEventListener('click', closePicture);
$('submit').addEventListener('click', () => {
  if (sendCommand('submit')) showView('report');
});
for (const button of $('routers').querySelectorAll('button')) {
  button.addEventListener('click', () => {
    sendCommand(`router ${button.dataset.router}`);
    terminal.focus();
  });
}
$('card-back').addEventListener('click', () => sendCommand('card back'));
$('card-forward').addEventListener('click', () => sendCommand('card forward'));
$('card-show-answer').addEventListener('click', () => sendCommand('card answer'));
$('card-knew').addEventListener('click', () => sendCommand('rate knew'));
$('card-not-yet').addEventListener('click', () => sendCommand('rate notyet'));
$('card-topic').addEventListener('change', () => sendCommand(`topic ${$('card-topic').value}`));
$('hint').addEventListener('click', () => sendCommand('hint'));
$('solution').addEventListener('click', () => sendCommand('solution'));
$('reset').addEventListener('click', () => {
  if (sendCommand('reset')) terminal.focus();
});

function openPicture() {
  if (sendCommand(`picture ${darkScheme.matches ? 'dark' : 'light'}`)) $('network').hidden = false;
}

function closePicture() {
  $('network').hidden = true;
  if (engine.idle) sendCommand('picture off');
}

darkScheme.addEventListener('change', () => {
  terminal.options.theme = terminalTheme();
  if (!$('network').hidden) sendCommand(`picture ${darkScheme.matches ? 'dark' : 'light'}`);
});

// ---- The terminal -------------------------------------------------------------------------

// The page length follows the terminal's rows, as in a terminal window.
function fitTerminal() {
  if ($('console-view').hidden) return;
  fit.fit();
  if (engine.started) sendSize();
}

let sentSize = '';
function sendSize() {
  const size = `size ${terminal.rows} ${terminal.cols}`;
  if (size !== sentSize && engine.idle && engine.waiting) {
    sentSize = size;
    deliver({ kind: 'command', bytes: encoder.encode(size) });
  }
}

terminal.onData((data) => sendKeys(data));
// The terminal takes Tab and Esc for the router, so F10 is the way from the keyboard to the menus.
terminal.attachCustomKeyEventHandler((event) => {
  if (event.key !== 'F10') return true;
  if (event.type === 'keydown') document.querySelector('.menu > button').focus();
  event.preventDefault();
  return false;
});
new ResizeObserver(() => fitTerminal()).observe($('terminal'));

// ---- The student's progress -------------------------------------------------------------------

// The engine keeps progress.db in /progress, which lives in the browser's IndexedDB: read in
// before the engine starts, written back shortly after anything changed. Without IndexedDB (a
// private window may refuse it) the lessons run on and the progress lasts as long as the page.
const kProgressFolder = '/progress';
let saveTimer = null;

function mountProgress() {
  FS.mkdir(kProgressFolder);
  FS.mount(IDBFS, {}, kProgressFolder);
  addRunDependency('progress');
  FS.syncfs(true, (error) => {
    if (error) console.warn(`progress not read from the browser's storage: ${error}`);
    removeRunDependency('progress');
  });
}

function saveProgressSoon() {
  if (saveTimer !== null || typeof FS === 'undefined') return;
  saveTimer = setTimeout(() => {
    saveTimer = null;
    FS.syncfs(false, (error) => {
      if (error) console.warn(`progress not written to the browser's storage: ${error}`);
      window.kovrelProgressSaved = (window.kovrelProgressSaved || 0) + 1;
    });
  }, 300);
}

addEventListener('pagehide', () => {
  if (typeof FS !== 'undefined') FS.syncfs(false, () => {});
});

// ---- The engine ---------------------------------------------------------------------------

var Module = {
  preRun: [mountProgress],
  kovrelPage: {
    nextInput(wait, idle) {
      if (engine.queue.length > 0) return engine.queue.shift();
      if (!wait) return null;
      engine.idle = idle;
      document.body.dataset.engine = idle ? 'idle' : 'waiting';
      if (idle && $('status').textContent === kBusy) setStatus('');
      if (idle && !engine.started) {
        engine.started = true;
        window.kovrelFirstPrompt = performance.now();
        setStatus('');
      }
      return new Promise((resolve) => {
        engine.waiting = resolve;
        if (idle) sendSize();
      });
    },
    writeTerminal(bytes) { terminal.write(bytes); },
    publish(event, data) {
      const handler = events[event];
      if (handler) handler(data);
    },
    showMessage,
  },
  printErr(text) { console.error(text); },
  print(text) { console.log(text); },
  onAbort() { setStatus('The simulator stopped; reload the page to start again.'); },
};

fit.fit();
