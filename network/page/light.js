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
let lastState = null;
// A code in the address that a page holding a key left unused; tried only if that key is refused.
let heldBackCode = null;
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

// ---- A video source: the layout chosen in the link, changed on the page, kept by the device.
const VideoItem = 'lw-video';
const VideoLinkItem = 'lw-video-link';
const Layouts = ['background', 'badge', 'border'];
const Corners = ['top-left', 'top-right', 'bottom-left', 'bottom-right'];
// A number not given at all is not 0: it is the default.
const clamp = (given, low, high, otherwise) => {
  const value = given === null || given === undefined || given === '' ? NaN : Number(given);
  return Number.isFinite(value) ? Math.round(Math.min(high, Math.max(low, value))) : otherwise;
};

function checkedVideo(c) {
  return {
    layout: Layouts.includes(c.layout) ? c.layout : '',
    corner: Corners.includes(c.corner) ? c.corner : 'top-right',
    size: clamp(c.size, 5, 50, 25),
    width: clamp(c.width, 1, 25, 4),
    elapsed: c.elapsed === true,
    flash: c.flash !== false,
  };
}

// A link other than the last one seen brings its own choices; the same link again (a video
// program reloads it at every scene change) keeps those changed on the page since.
function videoChoices() {
  const link = location.search;
  if (link === (localStorage.getItem(VideoLinkItem) || '')) {
    try { return checkedVideo(JSON.parse(localStorage.getItem(VideoItem)) || {}); } catch (e) {}
  }
  const p = new URLSearchParams(link);
  const chosen = checkedVideo({
    layout: p.get('video'), corner: p.get('corner'), size: p.get('size'), width: p.get('width'),
    elapsed: p.get('elapsed') === 'yes', flash: p.get('flash') !== 'no',
  });
  localStorage.setItem(VideoLinkItem, link);
  localStorage.setItem(VideoItem, JSON.stringify(chosen));
  return chosen;
}

let video = checkedVideo({});

function applyVideo() {
  const root = document.documentElement;
  if (video.layout) root.dataset.video = video.layout; else delete root.dataset.video;
  root.dataset.corner = video.corner;
  // A video shows nothing it was not asked for, not even a tooltip.
  $('light').title = video.layout ? '' : 'Tap for full screen';
  // As high as chosen while the badge still fits the picture's width, time and all.
  root.style.setProperty('--badge', 'min(' + video.size + 'vh, ' + (video.elapsed ? 18 : 27) + 'vw)');
  root.style.setProperty('--border', video.width + 'vmin');
  $('video-layout').value = video.layout;
  $('video-corner').value = video.corner;
  $('video-size').value = video.size;
  $('video-width').value = video.width;
  $('video-elapsed-on').checked = video.elapsed;
  $('video-flash').checked = video.flash;
  if (lastState) show(lastState);
}

function videoChanged() {
  video = checkedVideo({
    layout: $('video-layout').value, corner: $('video-corner').value,
    size: $('video-size').value, width: $('video-width').value,
    elapsed: $('video-elapsed-on').checked, flash: $('video-flash').checked,
  });
  localStorage.setItem(VideoItem, JSON.stringify(video));
  applyVideo();
}

async function pair(code) {
  const answer = await fetch('/api/pair', {
    method: 'POST',
    headers: { 'Content-Type': 'application/json' },
    body: JSON.stringify({ code: code, agent: video.layout ? 'video' : navigator.userAgent }),
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
  lastState = state;
  role = state.role;
  // Without the flash a video shows red steady through its dark moments.
  const lamps = Object.assign({}, state.lamps);
  if (video.layout && !video.flash && lamps.flashDark) lamps.red = true;
  const look = ['green', 'yellow', 'red'].map((c) => (state.lamps[c] ? c[0] : '-')).join('');
  for (const colour of ['green', 'yellow', 'red'])
    $('lamp-' + colour).classList.toggle('lit', !!lamps[colour]);
  const lit = ['red', 'yellow', 'green'].find((c) => lamps[c]);
  if (lit) $('light').dataset.lit = lit; else delete $('light').dataset.lit;
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
  $('video-elapsed').textContent = $('elapsed').textContent;
  $('video-elapsed').hidden = !video.layout || !video.elapsed;
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
      const code = heldBackCode;
      heldBackCode = null;
      if (code) pair(code).then((paired) => { if (paired) connect(); });
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
  video = videoChoices();
  applyVideo();
  for (const id of ['video-layout', 'video-corner', 'video-size', 'video-width',
                    'video-elapsed-on', 'video-flash'])
    $(id).addEventListener('change', videoChanged);
  // A video source shows its options only while someone works on it: a click or O, then Esc.
  const choosing = (on) => {
    document.body.classList.toggle('choosing', on);
    $('options').open = on;
  };
  document.addEventListener('keydown', (event) => {
    if (!video.layout) return;
    if (event.key === 'Escape') choosing(false);
    else if (event.key === 'o' || event.key === 'O') choosing(true);
  });
  document.addEventListener('click', (event) => {
    if (video.layout && !$('options').contains(event.target))
      choosing(!document.body.classList.contains('choosing'));
  });
  $('light').addEventListener('click', () => {
    if (!video.layout && !document.fullscreenElement && document.documentElement.requestFullscreen)
      document.documentElement.requestFullscreen().catch(() => {});
  });
  $('start').addEventListener('click', () => command({ command: 'start' }));
  $('stop').addEventListener('click', () => command({ command: 'stop' }));
  $('row').addEventListener('change', () => command({ command: 'row', row: Number($('row').value) }));
  document.addEventListener('visibilitychange', keepAwake);
  const code = new URLSearchParams(location.hash.slice(1)).get('pair');
  // The code leaves the address bar at once: it is good for one pairing only. A page that holds
  // a key keeps it: the same link is loaded again and again, its code long used.
  if (code) history.replaceState(null, '', location.pathname + location.search);
  if (code && storedKey()) heldBackCode = code;
  else if (code && !(await pair(code))) return;
  keepAwake();
  connect();
}

begin();
