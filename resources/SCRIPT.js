(function () { // this popup's own scope: its settings and code stay out of the page's globals
//Unique popup cooke name... 
//must begin with a letter, then letters, digits or underscores
Cookie_unique = '---RandomCookie---';

image_width = ---Width---;
image_height= ---Height---;

// Path = "sc/";
Path = "---Path---";

// close_points = '10, 10, 10, 10, 10, 10, 10, 10';
// click_points = '10, 10, 10, 10, 10, 10, 10, 10';
close_points = '---ClosePoints---';
click_points = '---ClickPoints---';


// Auto Hide

// need_hide = '<script>timeHided(5000)</script>'
// need_hide = ''
need_hide = '---HideCode---';


// Where to open window

// target = "_self";
// target = "_blank";
target = "---Target---";


// Action for Click

// action = "HREF='http://www.example.com/'";
// action = "HREF='#1' onClick='close_up();'";
action = "---ActionForClick---";


// How many times to open

// openhow="<script>timeHide()</script>";
// openhow="";
openhow="---OncePerSessionCode---";


// Popup position

// position = "width:100%;  top:50%;";
// position = "left: 100px;  top: 100px;";
position = "---Position---;";

// Further options, each in a line of its own; a script without them behaves as before.
// show_when: load, delay (show_delay seconds), exit (the pointer leaves the top of the window;
// on touch screens after show_delay seconds) or scroll (scroll_percent of the page read).
// repeat_days: above 0, shown once in that many days. backdrop_color: "" for no backdrop.
// entrance: none, fade or zoom. reader_text: what screen readers say for the popup.
// sharp_picture: 1 when logo@2x.png is there for screens of density 2 and more.
show_when = "---ShowWhen---";
show_delay = ---ShowDelay---;
scroll_percent = ---ScrollPercent---;
repeat_days = ---RepeatDays---;
backdrop_color = "---BackdropColor---";
backdrop_opacity = ---BackdropOpacity---;
backdrop_click_closes = ---BackdropClickCloses---;
entrance = "---Entrance---";
reader_text = "---ReaderText---";
sharp_picture = ---SharpPicture---;

// The lines above assign to these names. Declared here (a declaration counts for its whole
// function), they belong to this popup alone: a page's own variables of the same names, even
// constants, stay as they are.
var Cookie_unique, image_width, image_height, Path, close_points, click_points, need_hide, target,
  action, openhow, position, show_when, show_delay, scroll_percent, repeat_days, backdrop_color,
  backdrop_opacity, backdrop_click_closes, entrance, reader_text, sharp_picture;

// The popup itself. It builds its elements through the DOM (nothing is written into the page as
// markup, nothing is evaluated), so it also runs on pages whose Content-Security-Policy allows
// only scripts from their own site. Only timeHided, timeHide and close_up become page globals.
(function () {
  'use strict';

  var doc = document;
  // ---Audience---

  // Every popup script of the page meets the others here: one popup shows at a time, and the
  // same popup included twice runs once.
  var sharedKey = typeof Symbol === 'function' ? Symbol.for('vantelle.popups') : '__vantellePopups';
  var shared = window[sharedKey];
  if (!shared) {
    shared = { started: {}, showing: null, waiting: [] };
    try {
      Object.defineProperty(window, sharedKey, { value: shared });
    } catch (e) {
      window[sharedKey] = shared;
    }
  }

  // The popup's files lie beside this script, wherever the page that includes it is.
  var self = doc.currentScript;
  var folder = String(Path);
  if (self && self.src) folder = self.src.replace(/[?#][\s\S]*$/, '').replace(/[^\/]*$/, '');
  if (shared.started[folder]) return;
  shared.started[folder] = true;

  function option(value, fallback) {
    return typeof value === 'undefined' || value === null ? fallback : value;
  }

  var width = Number(image_width) || 0;
  var height = Number(image_height) || 0;

  // A point list names the four corners of a rectangle; only its box matters here.
  function box(text) {
    var n = (String(text).match(/-?\d+/g) || []).map(function (v) { return parseInt(v, 10); });
    if (n.length < 8) return null;
    var xs = [n[0], n[2], n[4], n[6]];
    var ys = [n[1], n[3], n[5], n[7]];
    return {
      left: Math.min.apply(null, xs), top: Math.min.apply(null, ys),
      right: Math.max.apply(null, xs), bottom: Math.max.apply(null, ys)
    };
  }

  // The body's rows and columns are inclusive; the close button's box ends one pixel early.
  var clickBox = box(click_points);
  var closeBox = box(close_points);
  var clickWidth = clickBox ? clickBox.right - clickBox.left + 1 : 0;
  var clickHeight = clickBox ? clickBox.bottom - clickBox.top + 1 : 0;
  var closeWidth = closeBox ? closeBox.right - closeBox.left : 0;
  var closeHeight = closeBox ? closeBox.bottom - closeBox.top : 0;
  var hasClosePicture = closeWidth > 0 && closeHeight > 0;

  var manual = /left:\s*(-?\d+)px;\s*top:\s*(-?\d+)px/i.exec(String(position));
  var clickCloses = /^\s*HREF='#1'\s+onClick='\s*close_up\(\)\s*;?\s*'\s*$/i.test(String(option(action, '')));
  // An empty action, an empty address or one that leads nowhere (a bare "http://", a script)
  // is no link: a click on the picture then does nothing.
  var given = clickCloses ? null : /^\s*HREF='([\s\S]*)'\s*$/i.exec(String(option(action, '')));
  var address = given ? given[1].replace(/^\s+|\s+$/g, '') : '';
  var link = address && !/^(javascript|data|vbscript):/i.test(address) &&
    !/^[a-z][a-z0-9+.\-]*:\/*$/i.test(address) ? address : null;
  var newWindow = String(target).toLowerCase() !== '_self';
  var hideAfter = /<script[^>]*>\s*timeHided\(\s*(-?\d+)\s*\)\s*;?\s*<\/script>/i.exec(String(need_hide));
  var oncePerSession = /<script[^>]*>\s*timeHide\(\s*\)\s*;?\s*<\/script>/i.test(String(openhow));

  var showWhen = String(option(show_when, 'load')).toLowerCase();
  var showDelay = Math.max(0, Number(option(show_delay, 0)) || 0);
  var scrollPercent = Math.min(100, Math.max(0, Number(option(scroll_percent, 0)) || 0));
  var repeatDays = Math.max(0, Number(option(repeat_days, 0)) || 0);
  var backdropColor = String(option(backdrop_color, ''));
  var backdropOpacity = Math.min(100, Math.max(0, Number(option(backdrop_opacity, 50)) || 0));
  var backdropCloses = Number(option(backdrop_click_closes, 1)) !== 0;
  var entranceKind = String(option(entrance, 'none')).toLowerCase();
  var readerText = String(option(reader_text, ''));
  var sharp = Number(option(sharp_picture, 0)) === 1;
  // With a backdrop the popup is a modal dialog: the page behind cannot be used meanwhile.
  var modal = /^#[0-9a-f]{6}$/i.test(backdropColor);

  var cookieName = String(Cookie_unique);
  var secure = location.protocol === 'https:' ? '; Secure' : '';

  var root = null;
  var backdrop = null;
  var picture = null;
  var pictureReady = false;
  var triggered = false;
  var closeControl = null;
  var hitLink = null;
  var closed = false;
  var shown = false;
  var hideTimer = 0;
  var returnFocus = null;
  var triggers = [];
  var watches = [];
  var quieted = [];
  var pageState = null;
  var me = { close: close_up };

  // Fields where Escape belongs to the visitor's typing (a search box, say), not to the popup.
  var nonTextInputs = /^(button|checkbox|color|file|hidden|image|radio|range|reset|submit)$/i;
  function editable(el) {
    if (!el || el.nodeType !== 1) return false;
    if (el.isContentEditable) return true;
    var tag = el.tagName.toLowerCase();
    if (tag === 'textarea' || tag === 'select') return true;
    return tag === 'input' && !nonTextInputs.test(el.type || '');
  }

  // What Tab may reach inside the popup, in order.
  function focusables() {
    return [hitLink, closeControl].filter(function (el) { return el && el.parentNode; });
  }

  function onKey(event) {
    var focused = doc.activeElement;
    var inside = root && focused && root.contains(focused);
    if (event.key === 'Escape' || event.key === 'Esc') {
      if (inside || !editable(focused)) close_up();
      return;
    }
    if (event.key !== 'Tab' || !modal || !root) return;
    // Tab and Shift+Tab go round inside the dialog.
    var list = focusables();
    if (!list.length) return;
    var first = list[0];
    var last = list[list.length - 1];
    var next = null;
    if (!inside) next = event.shiftKey ? last : first;
    else if (event.shiftKey && (focused === first || focused === root)) next = last;
    else if (!event.shiftKey && focused === last) next = first;
    if (next) {
      event.preventDefault();
      next.focus();
    }
  }

  function listen(into, where, type, handler, options) {
    where.addEventListener(type, handler, options);
    into.push(function () { where.removeEventListener(type, handler, options); });
  }

  function drop(list) {
    while (list.length) list.pop()();
  }

  // Browsers keep timer delays in 32 bits and fire longer ones at once, so a long wait is
  // made of several timers.
  var longestTimer = 2147483647;
  function after(ms, then) {
    var left = Math.max(0, Number(ms) || 0);
    var timer = 0;
    (function wait() {
      var step = Math.min(left, longestTimer);
      left -= step;
      timer = setTimeout(left > 0 ? wait : then, step);
    })();
    return function () { clearTimeout(timer); };
  }

  // The next popup of the page that waits for this one's place.
  function nextInLine() {
    while (!shared.showing && shared.waiting.length) shared.waiting.shift()();
  }

  function close_up() {
    if (closed) return;
    closed = true;
    drop(triggers);
    drop(watches);
    if (hideTimer) {
      hideTimer();
      hideTimer = 0;
    }
    if (picture) picture.onload = picture.onerror = null;
    if (backdrop && backdrop.parentNode) backdrop.parentNode.removeChild(backdrop);
    if (root && root.parentNode) root.parentNode.removeChild(root);
    root = null;
    backdrop = null;
    wakePage();
    if (returnFocus && returnFocus.focus && doc.contains(returnFocus)) {
      try {
        returnFocus.focus({ preventScroll: true });
      } catch (e) { /* the element can no longer take focus */ }
    }
    returnFocus = null;
    var waiting = shared.waiting.indexOf(ready);
    if (waiting >= 0) shared.waiting.splice(waiting, 1);
    if (shared.showing === me) {
      shared.showing = null;
      // After this event, so that the key that closed this popup does not reach the next one.
      setTimeout(nextInLine, 0);
    }
  }

  function timeHided(ms) {
    if (closed) return;
    if (hideTimer) hideTimer();
    hideTimer = after(ms, close_up);
  }

  function hasCookie(name) {
    try {
      return doc.cookie.split(';').some(function (part) {
        return part.replace(/^\s+/, '').indexOf(name + '=') === 0;
      });
    } catch (e) {
      return false;
    }
  }

  function storage(kind) {
    try {
      return window[kind] || null;
    } catch (e) {
      return null;
    }
  }

  function read(kind, name) {
    try {
      var store = storage(kind);
      return store ? store.getItem(name) : null;
    } catch (e) {
      return null;
    }
  }

  function write(kind, name, value) {
    try {
      var store = storage(kind);
      if (!store) return false;
      store.setItem(name, value);
      return store.getItem(name) === value;
    } catch (e) {
      return false;
    }
  }

  function setCookie(text) {
    try {
      doc.cookie = text;
    } catch (e) { /* cookies refused */ }
  }

  // Once per session: a session cookie marks the popup as seen. Pages opened from disk keep no
  // cookies, so there the mark goes into the tab's session storage. Where both are refused the
  // popup simply shows every time.
  function seenThisSession() {
    return hasCookie(cookieName) || read('sessionStorage', cookieName) === '1';
  }

  function markSession() {
    setCookie(cookieName + '=1; Path=/; SameSite=Lax' + secure);
    if (!hasCookie(cookieName)) write('sessionStorage', cookieName, '1');
  }

  // Once in so many days: the time of the showing stays in local storage, or where that is
  // refused in a cookie that lasts as long.
  var dayLength = 86400000;
  function seenWithinDays() {
    var at = Number(read('localStorage', cookieName));
    var now = Date.now();
    if (at > 0 && at <= now && now - at < repeatDays * dayLength) return true;
    return hasCookie(cookieName);
  }

  function markDays() {
    if (write('localStorage', cookieName, String(Date.now()))) return;
    setCookie(cookieName + '=1; Path=/; Max-Age=' + Math.round(repeatDays * 86400) +
      '; SameSite=Lax' + secure);
  }

  function seen() {
    if (repeatDays > 0) return seenWithinDays();
    return oncePerSession && seenThisSession();
  }

  function markSeen() {
    if (repeatDays > 0) markDays();
    else if (oncePerSession) markSession();
  }

  // Closes the popup when it was seen before in this session, and marks it as seen otherwise.
  function timeHide() {
    if (seenThisSession()) close_up();
    else markSession();
  }

  function reset(el) {
    var s = el.style;
    s.position = 'absolute';
    s.margin = '0';
    s.padding = '0';
    s.border = '0';
    s.maxWidth = 'none';
    s.maxHeight = 'none';
    s.minWidth = '0';
    s.minHeight = '0';
    s.boxSizing = 'content-box';
    s.background = 'transparent';
    s.display = 'block';
    s.pointerEvents = 'auto';
    return el;
  }

  // A picture from the popup's folder that fills its parent.
  function fillingImage(name) {
    var img = reset(doc.createElement('img'));
    img.alt = '';
    img.draggable = false;
    img.style.left = '0';
    img.style.top = '0';
    img.style.width = '100%';
    img.style.height = '100%';
    img.src = folder + name;
    return img;
  }

  function spacer() {
    return fillingImage('pix.gif');
  }

  // The picture loads while the trigger waits; the popup shows only with it, and not at all when
  // it cannot be had.
  function loadPicture() {
    picture = doc.createElement('img');
    picture.onload = function () {
      var done = function () {
        pictureReady = true;
        ready();
      };
      if (picture.decode) picture.decode().then(done, done);
      else done();
    };
    picture.onerror = function () {
      drop(triggers);
      closed = true;
    };
    if (sharp) picture.srcset = folder + 'logo.png 1x, ' + folder + 'logo@2x.png 2x';
    reset(picture);
    picture.alt = readerText;
    picture.draggable = false;
    picture.style.left = '0';
    picture.style.top = '0';
    picture.style.width = '100%';
    picture.style.height = '100%';
    picture.src = folder + 'logo.png';
  }

  function build() {
    root = reset(doc.createElement('div'));
    root.setAttribute('role', 'dialog');
    root.setAttribute('aria-label', readerText || 'Popup');
    if (modal) {
      root.setAttribute('aria-modal', 'true');
      root.tabIndex = -1;
      root.style.outline = 'none';
    }
    root.style.zIndex = '2147483647';
    root.style.overflow = 'visible';
    root.style.pointerEvents = 'none';
    root.appendChild(picture);

    if (clickWidth > 0 && clickHeight > 0 && (clickCloses || link)) {
      hitLink = reset(doc.createElement('a'));
      hitLink.style.cursor = 'pointer';
      hitLink.style.outlineOffset = '-2px';
      if (clickCloses) {
        hitLink.href = '#1';
        hitLink.setAttribute('aria-label', 'Close');
        hitLink.addEventListener('click', function (event) {
          event.preventDefault();
          close_up();
        });
      } else {
        hitLink.href = link;
        hitLink.target = newWindow ? '_blank' : '_self';
        if (newWindow) hitLink.rel = 'noopener';
        // Screen-reader users hear where the link goes.
        hitLink.setAttribute('aria-label', readerText ?
          'Go to ' + link + (newWindow ? ' (opens in a new window)' : '') : link);
      }
      hitLink.appendChild(spacer());
      root.appendChild(hitLink);
    }
    // With no link the picture takes the clicks itself, so they do not reach the page below it.
    picture.style.pointerEvents = hitLink ? 'none' : 'auto';

    // Always a real button. Over a close picture it is that picture's transparent hit area;
    // without one it is drawn, so that every visitor, on a touch screen too, can close the popup.
    closeControl = reset(doc.createElement('button'));
    closeControl.type = 'button';
    closeControl.setAttribute('aria-label', 'Close');
    closeControl.title = 'Close';
    closeControl.style.cursor = 'pointer';
    closeControl.style.overflow = 'hidden';
    closeControl.style.outlineOffset = hasClosePicture ? '-2px' : '2px';
    closeControl.addEventListener('click', function (event) {
      event.preventDefault();
      close_up();
    });
    if (hasClosePicture) {
      closeControl.appendChild(spacer());
    } else {
      var s = closeControl.style;
      s.background = '#222222';
      s.color = '#ffffff';
      s.border = '2px solid #ffffff';
      s.borderRadius = '50%';
      s.boxShadow = '0 1px 4px rgba(0, 0, 0, 0.6)';
      s.fontFamily = 'Arial, Helvetica, sans-serif';
      s.fontWeight = 'bold';
      s.textAlign = 'center';
      s.textDecoration = 'none';
      s.textTransform = 'none';
      s.letterSpacing = '0';
      closeControl.textContent = '\u00d7';
      // A ring of its own when focused: the browser's own may be left out or vanish on the picture.
      closeControl.addEventListener('focus', function () {
        closeControl.style.outline = '3px solid #1a73e8';
      });
      closeControl.addEventListener('blur', function () {
        closeControl.style.outline = '';
      });
    }
    root.appendChild(closeControl);

    if (modal) {
      backdrop = reset(doc.createElement('div'));
      backdrop.setAttribute('aria-hidden', 'true');
      backdrop.style.position = 'fixed';
      backdrop.style.left = '0';
      backdrop.style.top = '0';
      backdrop.style.width = '100%';
      backdrop.style.height = '100%';
      backdrop.style.zIndex = '2147483646';
      backdrop.style.backgroundColor = backdropColor;
      backdrop.style.opacity = String(backdropOpacity / 100);
      backdrop.addEventListener('click', function (event) {
        event.preventDefault();
        if (backdropCloses) close_up();
      });
    }
  }

  // While the modal popup shows, the rest of the page can be neither reached, read out nor
  // scrolled; every attribute this changes is noted and put back as it was.
  function quiet(el) {
    if (!el || el.nodeType !== 1 || el === root || el === backdrop) return;
    for (var i = 0; i < quieted.length; ++i) if (quieted[i].el === el) return;
    quieted.push({ el: el, inert: el.getAttribute('inert'), hidden: el.getAttribute('aria-hidden') });
    el.setAttribute('inert', '');
    el.setAttribute('aria-hidden', 'true');
  }

  function restoreAttribute(el, name, value) {
    if (value === null) el.removeAttribute(name);
    else el.setAttribute(name, value);
  }

  function quietPage() {
    var html = doc.documentElement;
    pageState = {
      x: window.pageXOffset, y: window.pageYOffset, style: html.getAttribute('style'),
      overflow: html.style.getPropertyValue('overflow'), priority: html.style.getPropertyPriority('overflow')
    };
    for (var child = doc.body.firstChild; child; child = child.nextSibling) quiet(child);
    // What the page adds meanwhile stays out of reach as well.
    if (window.MutationObserver) {
      var added = new MutationObserver(function (changes) {
        changes.forEach(function (change) {
          Array.prototype.forEach.call(change.addedNodes, quiet);
        });
      });
      added.observe(doc.body, { childList: true });
      watches.push(function () { added.disconnect(); });
    }
    // Through the style object, which a page's style policy allows where a style attribute
    // written as text would be refused.
    html.style.setProperty('overflow', 'hidden', 'important');
  }

  function wakePage() {
    if (!pageState) return;
    while (quieted.length) {
      var q = quieted.pop();
      restoreAttribute(q.el, 'inert', q.inert);
      restoreAttribute(q.el, 'aria-hidden', q.hidden);
    }
    var html = doc.documentElement;
    if (pageState.overflow) html.style.setProperty('overflow', pageState.overflow, pageState.priority);
    else html.style.removeProperty('overflow');
    // Read back first: some engines write a changed style object into the attribute only when it
    // is read, and would otherwise leave an empty style attribute behind.
    if (pageState.style === null && !html.getAttribute('style')) html.removeAttribute('style');
    if (window.pageXOffset !== pageState.x || window.pageYOffset !== pageState.y)
      window.scrollTo(pageState.x, pageState.y);
    pageState = null;
  }

  function px(value) {
    return value + 'px';
  }

  function view() {
    // Pages without a doctype report the viewport on the body, not on the root element.
    return doc.compatMode === 'BackCompat' && doc.body ? doc.body : doc.documentElement;
  }

  function clamp(value, low, high) {
    return Math.max(low, Math.min(value, high));
  }

  function layout() {
    if (!root) return;
    var pageWidth = view().clientWidth || window.innerWidth || width;
    var pageHeight = view().clientHeight || window.innerHeight || height;
    // A phone lays a page without a viewport tag out wider than its screen and shows it zoomed
    // out; the popup is then measured against what the screen shows, at its own size there.
    var vv = window.visualViewport;
    var zoom = vv && vv.scale > 0 && vv.scale < 1 ? vv.scale : 1;
    var area = zoom < 1 ?
      { left: vv.offsetLeft, top: vv.offsetTop, width: vv.width, height: vv.height } :
      { left: 0, top: 0, width: pageWidth, height: pageHeight };
    // Shrunk to fit the window both ways, so that every part of it, the close area above all,
    // can be reached.
    var scale = 1 / zoom;
    if (width > 0 && area.width < width * scale) scale = area.width / width;
    if (height > 0 && area.height < height * scale) scale = area.height / height;
    var shownWidth = width * scale;
    var shownHeight = height * scale;

    root.style.width = px(shownWidth);
    root.style.height = px(shownHeight);
    if (manual && !modal) {
      // Part of the page, scrolled with it, but never beyond its left, top or right edge.
      root.style.position = 'absolute';
      root.style.left = px(clamp(parseInt(manual[1], 10), 0, Math.max(0, pageWidth - shownWidth)));
      root.style.top = px(Math.max(0, parseInt(manual[2], 10)));
    } else if (manual) {
      // A modal popup stays where the visitor is, in the window.
      root.style.position = 'fixed';
      root.style.left = px(area.left + clamp(parseInt(manual[1], 10), 0, Math.max(0, area.width - shownWidth)));
      root.style.top = px(area.top + clamp(parseInt(manual[2], 10), 0, Math.max(0, area.height - shownHeight)));
    } else {
      root.style.position = 'fixed';
      root.style.left = px(area.left + Math.max(0, (area.width - shownWidth) / 2));
      root.style.top = px(area.top + Math.max(0, (area.height - shownHeight) / 2));
    }

    if (hitLink) {
      hitLink.style.left = px(clickBox.left * scale);
      hitLink.style.top = px(clickBox.top * scale);
      hitLink.style.width = px(clickWidth * scale);
      hitLink.style.height = px(clickHeight * scale);
    }
    if (hasClosePicture) {
      closeControl.style.left = px(closeBox.left * scale);
      closeControl.style.top = px(closeBox.top * scale);
      closeControl.style.width = px(closeWidth * scale);
      closeControl.style.height = px(closeHeight * scale);
    } else {
      // 32 pixels on the screen, in the picture's top right corner.
      var unit = 1 / zoom;
      var side = Math.min(28 * unit, Math.max(0, shownWidth - 4 * unit), Math.max(0, shownHeight - 4 * unit));
      var gap = Math.min(6 * unit, Math.max(0, (shownWidth - side) / 2 - 2 * unit));
      closeControl.style.borderWidth = px(2 * unit);
      closeControl.style.width = px(side);
      closeControl.style.height = px(side);
      closeControl.style.left = px(shownWidth - side - 4 * unit - gap);
      closeControl.style.top = px(gap);
      closeControl.style.fontSize = px(side * 0.8);
      closeControl.style.lineHeight = px(side);
    }
  }

  function reducedMotion() {
    return !!(window.matchMedia && window.matchMedia('(prefers-reduced-motion: reduce)').matches);
  }

  function enter() {
    if ((entranceKind !== 'fade' && entranceKind !== 'zoom') || !root.animate || reducedMotion()) return;
    var frames = entranceKind === 'zoom' ?
      [{ opacity: 0, transform: 'scale(0.6)' }, { opacity: 1, transform: 'scale(1)' }] :
      [{ opacity: 0 }, { opacity: 1 }];
    root.animate(frames, { duration: 250, easing: 'ease-out' });
    if (backdrop) backdrop.animate([{ opacity: 0 }, { opacity: backdropOpacity / 100 }], { duration: 250 });
  }

  function show() {
    shown = true;
    if (seen()) {
      close_up();
      return;
    }
    shared.showing = me;
    markSeen();
    build();
    layout();
    // First in the page, so that keyboard users meet it before the page's own links.
    var body = doc.body;
    body.insertBefore(root, body.firstChild);
    if (backdrop) body.insertBefore(backdrop, root);
    // Captured, so that the page's own key handlers cannot move focus out of the dialog first.
    listen(watches, doc, 'keydown', onKey, true);
    listen(watches, window, 'resize', layout);
    if (window.visualViewport) {
      listen(watches, window.visualViewport, 'resize', layout);
      listen(watches, window.visualViewport, 'scroll', layout);
    }
    // A scroll bar that comes with the rest of the page narrows the window without a resize
    // event; the page's root element changes its size then.
    listen(watches, window, 'load', layout);
    if (window.ResizeObserver) {
      var watcher = new ResizeObserver(function () { layout(); });
      watcher.observe(doc.documentElement);
      watches.push(function () { watcher.disconnect(); });
    }
    if (modal) {
      returnFocus = doc.activeElement;
      quietPage();
      root.focus({ preventScroll: true });
    }
    enter();
    if (hideAfter) timeHided(parseInt(hideAfter[1], 10));
  }

  // Shows the popup once both its trigger has come and its picture is there, and no other
  // popup of the page is on screen.
  function ready() {
    if (!triggered || !pictureReady || shown || closed) return;
    if (shared.showing && shared.showing !== me) {
      if (shared.waiting.indexOf(ready) < 0) shared.waiting.push(ready);
      return;
    }
    show();
  }

  function trigger() {
    drop(triggers);
    triggered = true;
    ready();
  }

  // Touch screens have no pointer that could leave the window.
  function touchOnly() {
    return !!(window.matchMedia && window.matchMedia('(hover: none)').matches &&
      window.matchMedia('(pointer: coarse)').matches);
  }

  // Scrolled share of the page in percent; a page that cannot scroll counts as read.
  function scrolled() {
    var el = doc.documentElement;
    var body = doc.body;
    var total = Math.max(el.scrollHeight, body ? body.scrollHeight : 0) - window.innerHeight;
    if (total <= 0) return 100;
    var top = window.pageYOffset || el.scrollTop || (body ? body.scrollTop : 0) || 0;
    return 100 * top / total;
  }

  function start() {
    if (seen()) return;
    loadPicture();
    if (showWhen === 'delay' || (showWhen === 'exit' && touchOnly())) {
      triggers.push(after(showDelay * 1000, trigger));
    } else if (showWhen === 'exit') {
      listen(triggers, doc, 'mouseout', function (event) {
        if (!event.relatedTarget && event.clientY <= 0) trigger();
      });
    } else if (showWhen === 'scroll') {
      var check = function () {
        if (scrolled() >= scrollPercent) trigger();
      };
      // The script runs at the top of the body: until the page has loaded, its length is not
      // known, and neither a scroll nor a resize before then counts.
      var watch = function () {
        listen(triggers, window, 'scroll', check, { passive: true });
        listen(triggers, window, 'resize', check);
        check();
      };
      if (doc.readyState === 'complete') watch();
      else listen(triggers, window, 'load', watch);
    } else {
      trigger();
    }
  }

  // The fragments of the lines above call these by name. close_up closes whichever popup of
  // the page is on screen.
  window.close_up = function () {
    if (shared.showing) shared.showing.close();
    else close_up();
  };
  window.timeHided = timeHided;
  window.timeHide = timeHide;

  if (doc.body) start();
  else doc.addEventListener('DOMContentLoaded', start);
})();
})();
