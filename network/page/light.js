// SPDX-License-Identifier: MIT
'use strict';

const KeyItem = 'lw-device-key';
const NotPaired = 4001;
const RetryMs = [500, 1000, 2000, 4000];

let socket = null;
let retries = 0;
let role = 'viewer';
let wakeLock = null;
let shownLook = '';
// How long each change of the lamps took from the window to this screen, in milliseconds: the
// last few, for anyone who asks (the browser test does).
window.lampDelaysMs = [];

const $ = (id) => document.getElementById(id);

function showState(state) { document.body.dataset.state = state; }

function storedKey() { return localStorage.getItem(KeyItem); }

function forget(reason) {
  localStorage.removeItem(KeyItem);
  $('light').classList.add('stale');
  $('controls').hidden = true;
  if (reason) {
    $('pair-error').textContent = reason;
    $('pair-error').hidden = false;
  }
  showState('unpaired');
}

async function pair(code) {
  // The code leaves the address bar at once: it is good for one pairing only.
  history.replaceState(null, '', '/');
  const answer = await fetch('/api/pair', {
    method: 'POST',
    headers: { 'Content-Type': 'application/json' },
    body: JSON.stringify({ code: code, agent: navigator.userAgent }),
  });
  if (!answer.ok) {
    forget('That pairing code was used or has expired; scan the code shown now.');
    return false;
  }
  const paired = await answer.json();
  localStorage.setItem(KeyItem, paired.key);
  return true;
}

function show(state) {
  role = state.role;
  const look = ['green', 'yellow', 'red'].map((c) => (state.lamps[c] ? c[0] : '-')).join('');
  for (const colour of ['green', 'yellow', 'red'])
    $('lamp-' + colour).classList.toggle('lit', !!state.lamps[colour]);
  if (look !== shownLook && shownLook && state.lampsAt) {
    requestAnimationFrame(() => {
      window.lampDelaysMs.push(Date.now() - state.lampsAt);
      window.lampDelaysMs.splice(0, window.lampDelaysMs.length - 100);
    });
  }
  shownLook = look;
  $('light').classList.remove('stale');
  const m = Math.floor(state.elapsed / 60), s = state.elapsed % 60;
  $('elapsed').textContent = String(m).padStart(2, '0') + ':' + String(s).padStart(2, '0');
  $('next').textContent = state.next ? 'Next: ' + state.next : '';
  $('elapsed').hidden = !$('show-elapsed').checked;
  $('next').hidden = !$('show-next').checked || !state.next;
  $('controls').hidden = role !== 'controller';
  $('start').disabled = state.running;
  $('stop').disabled = !state.running;
  const rows = $('row');
  rows.disabled = state.running;
  if (rows.options.length !== state.rows.length) {
    rows.replaceChildren(...state.rows.map((name, i) => new Option(name, String(i + 1))));
  }
  rows.value = String(state.row);
  $('status').textContent = role === 'controller' ? 'Controller' : '';
  document.body.dataset.running = state.running ? 'yes' : 'no';
}

function connect() {
  const key = storedKey();
  if (!key) { forget(); return; }
  showState('connecting');
  socket = new WebSocket('ws://' + location.host + '/ws');
  socket.onopen = () => socket.send(JSON.stringify({ key: key }));
  socket.onmessage = (event) => {
    retries = 0;
    showState('live');
    show(JSON.parse(event.data));
  };
  socket.onclose = (event) => {
    socket = null;
    $('light').classList.add('stale');
    if (event.code === NotPaired) {
      forget('This device is no longer paired with the timer.');
      return;
    }
    $('status').textContent = 'Reconnecting...';
    showState('connecting');
    setTimeout(connect, RetryMs[Math.min(retries++, RetryMs.length - 1)]);
  };
}

async function command(body) {
  const key = storedKey();
  if (!key) return;
  await fetch('/api/command', {
    method: 'POST',
    headers: { 'Content-Type': 'application/json', 'Authorization': 'Bearer ' + key },
    body: JSON.stringify(body),
  });
}

async function keepAwake() {
  if (!('wakeLock' in navigator) || document.visibilityState !== 'visible') return;
  try { wakeLock = await navigator.wakeLock.request('screen'); } catch (e) { wakeLock = null; }
}

function remembered(id) {
  const box = $(id);
  box.checked = localStorage.getItem('lw-' + id) === 'yes';
  box.addEventListener('change', () => {
    localStorage.setItem('lw-' + id, box.checked ? 'yes' : 'no');
    $('elapsed').hidden = !$('show-elapsed').checked;
    $('next').hidden = !$('show-next').checked || !$('next').textContent;
  });
}

async function begin() {
  remembered('show-elapsed');
  remembered('show-next');
  $('light').addEventListener('click', () => {
    if (!document.fullscreenElement && document.documentElement.requestFullscreen)
      document.documentElement.requestFullscreen().catch(() => {});
  });
  $('start').addEventListener('click', () => command({ command: 'start' }));
  $('stop').addEventListener('click', () => command({ command: 'stop' }));
  $('row').addEventListener('change', () => command({ command: 'row', row: Number($('row').value) }));
  document.addEventListener('visibilitychange', keepAwake);
  const code = new URLSearchParams(location.hash.slice(1)).get('pair');
  if (code && !(await pair(code))) return;
  keepAwake();
  connect();
}

begin();
