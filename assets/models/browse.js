// Browsing a built site by keys, swipes and full screen. Every page works
// without it: it only adds ways to follow the links the page already has.
(function () {
  "use strict";
  var doc = document;
  function rel(name) {
    var link = doc.querySelector('link[rel="' + name + '"]');
    return link ? link.href : null;
  }
  var prev = rel("prev"), next = rel("next");
  function go(url) { if (url) location.href = url; }
  function typing(e) {
    var t = e.target;
    return e.altKey || e.ctrlKey || e.metaKey || (t && /^(INPUT|TEXTAREA|SELECT)$/.test(t.tagName));
  }

  if (prev || next || doc.querySelector("img[hspace], .shot img")) {
    // A picture page: the arrows and a swipe turn the pages; a tap or "f"
    // shows the picture full screen.
    var shot = doc.querySelector(".shot") || doc.querySelector("img[hspace]");
    var x0 = null, y0 = 0, swiped = false;
    function fullScreen() {
      if (doc.fullscreenElement) return doc.exitFullscreen();
      if (shot && shot.requestFullscreen) shot.requestFullscreen().catch(function () {});
    }
    // The next page is fetched ahead, with its picture, so that it shows at once.
    function load(url) {
      var p = fetch(url).then(function (r) { return r.text(); }).then(function (html) {
        var page = new DOMParser().parseFromString(html, "text/html"), img = page.querySelector(".shot img, img[hspace]");
        if (img) new Image().src = new URL(img.getAttribute("src"), url).href;
        return page;
      });
      p.catch(function () {});
      return p;
    }
    var ahead = next && window.fetch && load(next);
    // The slideshow: the play button or the space bar goes on every few
    // seconds, from page to page (in full screen, in place) until the last
    // picture, another key, a tap or a click. A clip plays to its end first.
    var play = doc.querySelector("button.play"), timer = 0, swapped = false, store = window.sessionStorage;
    function stop() {
      clearTimeout(timer);
      timer = 0;
      store.removeItem("slideshow");
      if (play) show(false);
    }
    function show(on) {
      play.title = play.ariaLabel = play.dataset[on ? "stop" : "play"];
      play.textContent = on ? "\u275A\u275A" : "\u25B6";
      play.setAttribute("aria-pressed", on);
    }
    function start() {
      store.setItem("slideshow", 1);
      show(true);
      wait();
    }
    function wait() {
      var clip = doc.querySelector(".shot video");
      if (!clip) { timer = setTimeout(advance, play.dataset.seconds * 1000); return; }
      timer = -1;
      clip.onended = function () { if (timer) advance(); };
      // Sound needs the visitor's own gesture on a new page: then the clip plays muted.
      clip.play().catch(function () {
        clip.muted = true;
        clip.play().catch(function () { if (timer) timer = setTimeout(advance, play.dataset.seconds * 1000); });
      });
    }
    function advance() {
      if (!next) return stop();
      if (!doc.fullscreenElement || !ahead) return go(next);
      ahead.then(function (page) {
        var img = page.querySelector(".shot img.photo, .shot video, .shot img"),
          mine = doc.querySelector(".shot img.photo, .shot video, .shot img"), at = next;
        if (!img || !mine || !timer) return;
        mine.replaceWith(img);
        if (img.animate && !matchMedia("(prefers-reduced-motion: reduce)").matches)
          img.animate([{ opacity: 0 }, { opacity: 1 }], 400);
        history.replaceState(null, "", at);
        swapped = true;
        var link = function (n) { var l = page.querySelector("link[rel=" + n + "]"); return l && new URL(l.getAttribute("href"), at).href; };
        prev = link("prev");
        next = link("next");
        ahead = next && load(next);
        wait();
      }, function () { go(next); });
    }
    if (play) {
      play.onclick = function () { if (timer) stop(); else start(); };
      if (store.getItem("slideshow")) start();
    }
    // Out of full screen, a page changed in place shows all of itself again.
    doc.addEventListener("fullscreenchange", function () {
      if (!doc.fullscreenElement && swapped) location.replace(location.href);
    });
    doc.addEventListener("pointerdown", function (e) { if (timer && e.target !== play) stop(); });
    doc.addEventListener("keydown", function (e) {
      if (typing(e)) return;
      if (e.target && e.target.tagName === "VIDEO" && e.key === " ") return;  // plays or pauses the clip
      if (play && e.key === " ") {
        e.preventDefault();
        if (timer) stop(); else start();
        return;
      }
      if (timer) stop();
      if (e.key === "ArrowLeft") go(prev);
      else if (e.key === "ArrowRight") go(next);
      else if (e.key === "f" || e.key === "F") fullScreen();
      else return;
      e.preventDefault();
    });
    if (shot && shot.requestFullscreen && doc.fullscreenEnabled) {
      shot.addEventListener("click", function (e) {
        if (e.target.tagName === "VIDEO") return;  // its own controls
        e.preventDefault();
        if (!swiped) fullScreen();
      });
    }
    doc.addEventListener("touchstart", function (e) {
      swiped = false;
      if (e.touches.length !== 1) { x0 = null; return; }
      x0 = e.touches[0].clientX;
      y0 = e.touches[0].clientY;
    }, { passive: true });
    doc.addEventListener("touchend", function (e) {
      if (x0 === null) return;
      var t = e.changedTouches[0], dx = t.clientX - x0, dy = t.clientY - y0;
      x0 = null;
      if (Math.abs(dx) < 50 || Math.abs(dx) < 2 * Math.abs(dy)) return;
      swiped = true;
      go(dx < 0 ? next : prev);
    });
    return;
  }

  // A gallery or the summary: the arrows move between the pictures' links.
  var links = [].filter.call(doc.querySelectorAll("a[href]"), function (a) { return a.querySelector("img"); });
  if (!links.length) return;
  function centre(a) {
    var r = a.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  }
  doc.addEventListener("keydown", function (e) {
    if (typing(e)) return;
    var at = links.indexOf(doc.activeElement), target = null;
    if (at < 0) {
      if (e.key === "ArrowRight" || e.key === "ArrowLeft") target = links[0];
    } else if (e.key === "ArrowRight") target = links[at + 1];
    else if (e.key === "ArrowLeft") target = links[at - 1];
    else if (e.key === "ArrowDown" || e.key === "ArrowUp") {
      // The nearest picture in the row below (above).
      var here = centre(links[at]), down = e.key === "ArrowDown", best = Infinity;
      links.forEach(function (a) {
        var c = centre(a), dy = down ? c.y - here.y : here.y - c.y;
        if (dy < 10) return;
        var d = dy * 4 + Math.abs(c.x - here.x);
        if (d < best) { best = d; target = a; }
      });
    } else return;
    if (!target) return;
    e.preventDefault();
    target.focus();
  });
})();
// Set up: a page that is driven from outside (a test) may go on.
document.documentElement.dataset.browse = "ready";
