// The game window's timer (page.js): given a period in milliseconds, it
// posts one message back per period; given 0, it stops. A worker's interval
// keeps time in a hidden tab, where the browser throttles the page's own.
"use strict";

let interval;
onmessage = e => {
  clearInterval(interval);
  if (e.data > 0) interval = setInterval(() => postMessage("tick"), e.data);
};
