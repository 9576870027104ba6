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

// The popup itself. It reads the values above, builds its elements through the DOM (nothing is
// written into the page as markup, nothing is evaluated), so it also runs on pages whose
// Content-Security-Policy allows only scripts from their own site.
(function () {
  'use strict';

  var doc = document;
  var root = null;
  var backdrop = null;
  var closeControl = null;
  var hitLink = null;
  var closed = false;
  var shown = false;
  var hideTimer = 0;
  var returnFocus = null;
  var watcher = null;
  var disarms = [];

  // The further options are read from their lines when the script has them.
  function option(name, fallback) {
    var value = window[name];
    return typeof value === 'undefined' || value === null ? fallback : value;
  }

  var width = Number(image_width) || 0;
  var height = Number(image_height) || 0;
  var folder = String(Path);

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

  var manual = /left:\s*(-?\d+)px;\s*top:\s*(-?\d+)px/i.exec(String(position));
  var clickCloses = /^\s*HREF='#1'\s+onClick='\s*close_up\(\)\s*;?\s*'\s*$/i.test(String(action));
  var link = clickCloses ? null : /^\s*HREF='([\s\S]*)'\s*$/i.exec(String(action));
  var newWindow = String(target).toLowerCase() !== '_self';
  var hideAfter = /<script[^>]*>\s*timeHided\(\s*(-?\d+)\s*\)\s*;?\s*<\/script>/i.exec(String(need_hide));
  var oncePerSession = /<script[^>]*>\s*timeHide\(\s*\)\s*;?\s*<\/script>/i.test(String(openhow));

  var showWhen = String(option('show_when', 'load')).toLowerCase();
  var showDelay = Math.max(0, Number(option('show_delay', 0)) || 0);
  var scrollPercent = Math.min(100, Math.max(0, Number(option('scroll_percent', 0)) || 0));
  var repeatDays = Math.max(0, Number(option('repeat_days', 0)) || 0);
  var backdropColor = String(option('backdrop_color', ''));
  var backdropOpacity = Math.min(100, Math.max(0, Number(option('backdrop_opacity', 50)) || 0));
  var backdropCloses = Number(option('backdrop_click_closes', 1)) !== 0;
  var entrance = String(option('entrance', 'none')).toLowerCase();
  var readerText = String(option('reader_text', ''));
  var sharp = Number(option('sharp_picture', 0)) === 1;
  // With a backdrop the popup is a modal dialog: the page behind cannot be used meanwhile.
  var modal = /^#[0-9a-f]{6}$/i.test(backdropColor);

  var cookieName = String(Cookie_unique);
  var secure = location.protocol === 'https:' ? '; Secure' : '';

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

  function disarm() {
    while (disarms.length) disarms.pop()();
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

  function listen(target, type, handler, options) {
    target.addEventListener(type, handler, options);
    disarms.push(function () { target.removeEventListener(type, handler, options); });
  }

  function close_up() {
    closed = true;
    disarm();
    if (hideTimer) {
      hideTimer();
      hideTimer = 0;
    }
    doc.removeEventListener('keydown', onKey, true);
    window.removeEventListener('resize', layout);
    window.removeEventListener('load', layout);
    if (watcher) watcher.disconnect();
    watcher = null;
    if (backdrop && backdrop.parentNode) backdrop.parentNode.removeChild(backdrop);
    if (root && root.parentNode) root.parentNode.removeChild(root);
    root = null;
    backdrop = null;
    if (returnFocus && returnFocus.focus && doc.contains(returnFocus)) {
      try {
        returnFocus.focus();
      } catch (e) { /* the element can no longer take focus */ }
    }
    returnFocus = null;
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
    img.src = folder + name;
    img.alt = '';
    img.draggable = false;
    img.style.left = '0';
    img.style.top = '0';
    img.style.width = '100%';
    img.style.height = '100%';
    return img;
  }

  function spacer() {
    return fillingImage('pix.gif');
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

    var picture = fillingImage('logo.png');
    if (sharp) picture.srcset = folder + 'logo.png 1x, ' + folder + 'logo@2x.png 2x';
    picture.alt = readerText;
    picture.style.pointerEvents = 'none';
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
        hitLink.href = link[1];
        hitLink.target = newWindow ? '_blank' : '_self';
        if (newWindow) hitLink.rel = 'noopener';
        // Screen-reader users hear where the link goes.
        hitLink.setAttribute('aria-label', readerText ?
          'Go to ' + link[1] + (newWindow ? ' (opens in a new window)' : '') : link[1]);
      }
      hitLink.appendChild(spacer());
      root.appendChild(hitLink);
    }

    // Always a real button, so keyboard users can close the popup even without a close picture.
    closeControl = reset(doc.createElement('button'));
    closeControl.type = 'button';
    closeControl.setAttribute('aria-label', 'Close');
    closeControl.title = 'Close';
    closeControl.style.cursor = 'pointer';
    closeControl.style.overflow = 'hidden';
    closeControl.style.outlineOffset = '-2px';
    closeControl.addEventListener('click', function (event) {
      event.preventDefault();
      close_up();
    });
    closeControl.appendChild(spacer());
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

  function px(value) {
    return value + 'px';
  }

  function view() {
    // Pages without a doctype report the viewport on the body, not on the root element.
    return doc.compatMode === 'BackCompat' && doc.body ? doc.body : doc.documentElement;
  }

  function layout() {
    if (!root) return;
    var viewWidth = view().clientWidth || window.innerWidth || width;
    var viewHeight = view().clientHeight || window.innerHeight || height;
    // Shrunk to fit the window both ways, so that every part of it, the close area above all,
    // can be reached.
    var scale = 1;
    if (width > 0 && viewWidth < width) scale = viewWidth / width;
    if (height > 0 && viewHeight < height * scale) scale = viewHeight / height;
    var shownWidth = width * scale;
    var shownHeight = height * scale;

    root.style.width = px(shownWidth);
    root.style.height = px(shownHeight);
    if (manual) {
      root.style.position = 'absolute';
      root.style.left = px(parseInt(manual[1], 10));
      root.style.top = px(parseInt(manual[2], 10));
    } else {
      root.style.position = 'fixed';
      root.style.left = px(Math.max(0, (viewWidth - shownWidth) / 2));
      root.style.top = px(Math.max(0, (viewHeight - shownHeight) / 2));
    }

    if (hitLink) {
      hitLink.style.left = px(clickBox.left * scale);
      hitLink.style.top = px(clickBox.top * scale);
      hitLink.style.width = px(clickWidth * scale);
      hitLink.style.height = px(clickHeight * scale);
    }
    var hasClose = closeWidth > 0 && closeHeight > 0;
    closeControl.style.left = px(hasClose ? closeBox.left * scale : 0);
    closeControl.style.top = px(hasClose ? closeBox.top * scale : 0);
    closeControl.style.width = px(hasClose ? closeWidth * scale : 1);
    closeControl.style.height = px(hasClose ? closeHeight * scale : 1);
    closeControl.style.opacity = hasClose ? '1' : '0';
    closeControl.style.pointerEvents = hasClose ? 'auto' : 'none';
  }

  function reducedMotion() {
    return !!(window.matchMedia && window.matchMedia('(prefers-reduced-motion: reduce)').matches);
  }

  function enter() {
    if ((entrance !== 'fade' && entrance !== 'zoom') || !root.animate || reducedMotion()) return;
    var frames = entrance === 'zoom' ?
      [{ opacity: 0, transform: 'scale(0.6)' }, { opacity: 1, transform: 'scale(1)' }] :
      [{ opacity: 0 }, { opacity: 1 }];
    root.animate(frames, { duration: 250, easing: 'ease-out' });
    if (backdrop) backdrop.animate([{ opacity: 0 }, { opacity: backdropOpacity / 100 }], { duration: 250 });
  }

  function show() {
    if (shown || closed) return;
    shown = true;
    disarm();
    if (seen()) {
      close_up();
      return;
    }
    markSeen();
    build();
    layout();
    if (backdrop) doc.body.appendChild(backdrop);
    doc.body.appendChild(root);
    // Captured, so that the page's own key handlers cannot move focus out of the dialog first.
    doc.addEventListener('keydown', onKey, true);
    window.addEventListener('resize', layout);
    // A scroll bar that comes with the rest of the page narrows the window without a resize
    // event; the page's root element changes its size then.
    window.addEventListener('load', layout);
    if (window.ResizeObserver) {
      watcher = new ResizeObserver(function () { layout(); });
      watcher.observe(doc.documentElement);
    }
    enter();
    if (modal) {
      returnFocus = doc.activeElement;
      root.focus();
    }
    if (hideAfter) timeHided(parseInt(hideAfter[1], 10));
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
    if (showWhen === 'delay' || (showWhen === 'exit' && touchOnly())) {
      disarms.push(after(showDelay * 1000, show));
    } else if (showWhen === 'exit') {
      listen(doc, 'mouseout', function (event) {
        if (!event.relatedTarget && event.clientY <= 0) show();
      });
    } else if (showWhen === 'scroll') {
      var check = function () {
        if (scrolled() >= scrollPercent) show();
      };
      listen(window, 'scroll', check, { passive: true });
      listen(window, 'resize', check);
      // The script runs at the top of the body: until the page has loaded, its length is not
      // known and it must not count as read.
      if (doc.readyState === 'complete') check();
      else listen(window, 'load', check);
    } else {
      show();
    }
  }

  window.close_up = close_up;
  window.timeHided = timeHided;
  window.timeHide = timeHide;

  if (doc.body) start();
  else doc.addEventListener('DOMContentLoaded', start);
})();
