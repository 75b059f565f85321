// The page's side of the windows: every click on a control, close box and
// arrow key goes to the game by window and control name; Alt with a caption's underlined letter
// presses it; a window comes to the front when touched and moves by its
// title bar, Tab goes round its controls, F6 goes to the other window, and
// when a window closes the one left takes the focus back where it last was,
// as on the desktop.
"use strict";

const windows = () => [...document.querySelectorAll(".window")];
// Focused, a window comes in front (focusin below).
const focusBack = w => w.querySelector(`.client [data-control="${w.dataset.focus}"]`)?.focus();
let worker = null;

// Opened from disk, the browser will not fetch the rules (lastrino.wasm): say how to open the page.
if (location.protocol === "file:") document.getElementById("disco").hidden = false;

var Module = {
  raise(frame) {
    const top = Math.max(0, ...windows().map(w => Number(w.style.zIndex) || 0));
    if (Number(frame.style.zIndex) !== top || top === 0) frame.style.zIndex = top + 1;
    for (const w of windows()) w.classList.toggle("front", w === frame);
  },
  unload(frame) {
    frame.remove();
    const left = windows().sort((a, b) => (Number(b.style.zIndex) || 0) - (Number(a.style.zIndex) || 0))[0];
    if (left) focusBack(left);
  },
  // The game window's timer runs in a worker (timer.js), which a hidden tab
  // does not slow down: one tick per message. A period of 0 stops it.
  timer(period) {
    if (!worker) {
      worker = new Worker("timer.js");
      worker.onmessage = () => Module.tick();
    }
    worker.postMessage(period);
  },
};

(() => {
  const windowOf = el => (el instanceof Element ? el.closest(".window") : null);
  const front = () => windows().find(w => w.classList.contains("front"));

  document.addEventListener("click", e => {
    const button = e.target.closest("button"), w = windowOf(button);
    if (w && button.classList.contains("close")) Module.close(w.id);
    else if (w) Module.press(w.id, button.dataset.control);
  });
  // An option button's Click comes when the player selects it.
  document.addEventListener("change", e => {
    if (e.target.type === "radio" && e.target.checked) Module.press(windowOf(e.target).id, e.target.dataset.control);
  });

  // The window's tab stops in order: the elements are in tab order, and an
  // option group is one stop, its selected option.
  const stops = w => [...w.querySelectorAll(".client [data-control]")].filter(c => c.tabIndex >= 0 && !c.disabled
    && (c.type !== "radio" || c.checked) && getComputedStyle(c).visibility === "visible");
  document.addEventListener("keydown", e => {
    if (e.key !== "Tab" || e.altKey || e.ctrlKey || e.metaKey) return;
    const w = windowOf(document.activeElement) || front();
    const order = w ? stops(w) : [];
    if (!order.length) return;
    e.preventDefault();
    const i = order.indexOf(document.activeElement), n = order.length;
    order[i < 0 ? (e.shiftKey ? n - 1 : 0) : (i + (e.shiftKey ? n - 1 : 1)) % n].focus();
  });

  // F6 goes to the other window, where its focus last was; Escape closes the
  // end window as its close box does. A page gets no Alt+Tab or Alt+F4. An
  // arrow slides a tile, unless the game leaves it to the page (an option's
  // arrows move the selection); taken, it does not scroll the page.
  const arrows = ["ArrowUp", "ArrowDown", "ArrowLeft", "ArrowRight"];
  document.addEventListener("keydown", e => {
    const w = windowOf(document.activeElement) || front();
    if (!w || e.altKey || e.ctrlKey || e.metaKey) return;
    const other = windows().find(o => o !== w);
    if (e.key === "F6" && other) focusBack(other);
    else if (e.key === "Escape" && w.id === "frmscelta") w.querySelector(".close").click();
    else if (!arrows.includes(e.key)
      || !Module.key(w.id, document.activeElement?.dataset?.control ?? "", arrows.indexOf(e.key))) return;
    e.preventDefault();
  });

  // Alt+S presses "&Soluzione" in the game window and "&Sì" in the end window:
  // the access keys of the window that has the focus, by the key's place
  // (KeyS), so that any layout works, and a Mac's Option+S, which types "ß".
  document.addEventListener("keydown", e => {
    if (!e.altKey || e.ctrlKey || e.metaKey || !e.code.startsWith("Key")) return;
    const w = windowOf(document.activeElement) || front();
    const target = w && w.querySelector(`[data-accesskey="${e.code.slice(3).toLowerCase()}"]`);
    if (!target) return;
    e.preventDefault();
    if (!target.disabled && getComputedStyle(target).visibility === "visible") target.click();
  });

  document.addEventListener("focusin", e => {
    const w = windowOf(e.target);
    if (!w) return;
    Module.raise(w);
    if (e.target.closest(".client")) w.dataset.focus = e.target.dataset.control;
  });
  document.addEventListener("pointerdown", e => {
    const w = windowOf(e.target);
    if (!w) return;
    Module.raise(w);
    if (!e.target.closest(".titlebar") || e.target.closest(".close")) return;
    const bar = e.target.closest(".titlebar");
    const dx = e.clientX - w.offsetLeft, dy = e.clientY - w.offsetTop;
    // Never above or left of the page, where its title bar could not be reached again.
    const move = m => {
      w.dataset.moved = "";
      w.style.left = `${Math.max(0, Math.round(m.clientX - dx))}px`;
      w.style.top = `${Math.max(0, Math.round(m.clientY - dy))}px`;
    };
    bar.setPointerCapture(e.pointerId);
    bar.addEventListener("pointermove", move);
    bar.addEventListener("lostpointercapture", () => bar.removeEventListener("pointermove", move), { once: true });
  });
  // A window the player has not moved stays centred as the page changes size.
  addEventListener("resize", () => windows().filter(w => !("moved" in w.dataset)).forEach(w => Module.centre(w)));
})();

// Kept for play offline once visited (a page opened from disk has no worker): the worker comes once
// the game window is painted and its fonts are in, so as not to hold them up.
if (location.protocol.startsWith("http")) {
  new PerformanceObserver(list => list.getEntriesByName("first-contentful-paint").length
    && document.fonts.ready.then(() => navigator.serviceWorker?.register("sw.js"))).observe({ type: "paint", buffered: true });
}
