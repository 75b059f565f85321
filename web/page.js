// The page's side of the windows: every click on a control goes to the
// program by window and control name; Alt with a caption's underlined letter
// presses it; a window comes to the front when touched and moves by its
// title bar, Tab goes round its controls, and when a window closes the one
// left takes the focus back where it last was, as on the desktop.
"use strict";

const windows = () => [...document.querySelectorAll(".window")];

var Module = {
  raise(frame) {
    const top = Math.max(0, ...windows().map(w => Number(w.style.zIndex) || 0));
    if (Number(frame.style.zIndex) !== top || top === 0) frame.style.zIndex = top + 1;
    for (const w of windows()) w.classList.toggle("front", w === frame);
  },
  unload(frame) {
    frame.remove();
    const left = windows().sort((a, b) => (Number(b.style.zIndex) || 0) - (Number(a.style.zIndex) || 0))[0];
    // Focused, it comes in front (focusin below).
    if (left) left.querySelector(`.client [data-control="${left.dataset.focus}"]`)?.focus();
  },
};

(() => {
  const windowOf = el => (el instanceof Element ? el.closest(".window") : null);
  const front = () => windows().find(w => w.classList.contains("front"));
  const send = el => Module.click(windowOf(el).dataset.window, el.dataset.control);

  document.addEventListener("click", e => {
    const button = e.target.closest("button[data-control]");
    if (button && windowOf(button)) send(button);
  });
  // An option button's Click comes when the player selects it.
  document.addEventListener("change", e => {
    if (e.target.type === "radio" && e.target.checked) send(e.target);
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

  // Alt+S presses "&Soluzione" in the game window and "&Sì" in the end window:
  // the access keys of the window that has the focus.
  document.addEventListener("keydown", e => {
    if (!e.altKey || e.ctrlKey || e.metaKey || e.key.length !== 1) return;
    const w = windowOf(document.activeElement) || front();
    const target = w && w.querySelector(`[data-accesskey="${e.key.toLowerCase()}"]`);
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
    const move = m => {
      w.style.left = `${Math.round(m.clientX - dx)}px`;
      w.style.top = `${Math.round(m.clientY - dy)}px`;
    };
    bar.setPointerCapture(e.pointerId);
    bar.addEventListener("pointermove", move);
    bar.addEventListener("lostpointercapture", () => bar.removeEventListener("pointermove", move), { once: true });
  });
})();

// Kept for play offline once visited (a page opened from disk has no worker): the worker comes once
// the game window is painted and its fonts are in, so as not to hold them up.
if (location.protocol.startsWith("http")) {
  new PerformanceObserver(list => list.getEntriesByName("first-contentful-paint").length
    && document.fonts.ready.then(() => navigator.serviceWorker?.register("sw.js"))).observe({ type: "paint", buffered: true });
}
