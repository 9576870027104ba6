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

// The popup itself. It reads the values above, builds its elements through the DOM (nothing is
// written into the page as markup, nothing is evaluated), so it also runs on pages whose
// Content-Security-Policy allows only scripts from their own site.
(function () {
  'use strict';

  var doc = document;
  var root = null;
  var closeControl = null;
  var hitLink = null;
  var closed = false;
  var hideTimer = 0;

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

  // Fields where Escape belongs to the visitor's typing (a search box, say), not to the popup.
  var nonTextInputs = /^(button|checkbox|color|file|hidden|image|radio|range|reset|submit)$/i;
  function editable(el) {
    if (!el || el.nodeType !== 1) return false;
    if (el.isContentEditable) return true;
    var tag = el.tagName.toLowerCase();
    if (tag === 'textarea' || tag === 'select') return true;
    return tag === 'input' && !nonTextInputs.test(el.type || '');
  }

  function onKey(event) {
    if (event.key !== 'Escape' && event.key !== 'Esc') return;
    var focused = doc.activeElement;
    if (root && focused && root.contains(focused)) close_up();
    else if (!editable(focused)) close_up();
  }

  function close_up() {
    closed = true;
    if (hideTimer) {
      clearTimeout(hideTimer);
      hideTimer = 0;
    }
    doc.removeEventListener('keydown', onKey);
    window.removeEventListener('resize', layout);
    if (root && root.parentNode) root.parentNode.removeChild(root);
    root = null;
  }

  // Browsers keep timer delays in 32 bits and fire longer ones at once, so a long wait is
  // made of several timers.
  var longestTimer = 2147483647;
  function timeHided(ms) {
    if (closed) return;
    if (hideTimer) clearTimeout(hideTimer);
    var left = Math.max(0, Number(ms) || 0);
    (function wait() {
      var step = Math.min(left, longestTimer);
      left -= step;
      hideTimer = setTimeout(left > 0 ? wait : close_up, step);
    })();
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

  // One showing per browser session: a session cookie marks the popup as seen. Pages opened
  // from disk keep no cookies, so there the mark goes into the tab's session storage. Where
  // both are refused the popup simply shows every time.
  function timeHide() {
    var name = String(Cookie_unique);
    var session = storage('sessionStorage');
    var seen = hasCookie(name);
    try {
      seen = seen || (session && session.getItem(name) === '1');
    } catch (e) { /* storage refused: the cookie alone decides */ }
    if (seen) {
      close_up();
      return;
    }
    try {
      doc.cookie = name + '=1; Path=/; SameSite=Lax' + (location.protocol === 'https:' ? '; Secure' : '');
    } catch (e) { /* cookies refused */ }
    if (hasCookie(name)) return;
    try {
      if (session) session.setItem(name, '1');
    } catch (e) { /* storage refused too */ }
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
    root.setAttribute('aria-label', 'Popup');
    root.style.zIndex = '2147483647';
    root.style.overflow = 'visible';
    root.style.pointerEvents = 'none';

    var picture = fillingImage('logo.png');
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
        hitLink.setAttribute('aria-label', link[1]);
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
  }

  function px(value) {
    return value + 'px';
  }

  function layout() {
    if (!root) return;
    // Pages without a doctype report the viewport on the body, not on the root element.
    var view = doc.compatMode === 'BackCompat' && doc.body ? doc.body : doc.documentElement;
    var viewWidth = view.clientWidth || window.innerWidth || width;
    var viewHeight = view.clientHeight || window.innerHeight || height;
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

  function start() {
    if (oncePerSession) timeHide();
    if (closed) return;
    build();
    layout();
    doc.body.appendChild(root);
    doc.addEventListener('keydown', onKey);
    window.addEventListener('resize', layout);
    if (hideAfter) timeHided(parseInt(hideAfter[1], 10));
  }

  window.close_up = close_up;
  window.timeHided = timeHided;
  window.timeHide = timeHide;

  if (doc.body) start();
  else doc.addEventListener('DOMContentLoaded', start);
})();
