  // When and to whom this popup shows. Outside its schedule, or on another kind of device, it
  // does nothing at all: it neither shows nor keeps anything in the browser. The times are
  // milliseconds of the schedule's clock counted as if that clock were UTC (null: no bound);
  // offset is that clock's minutes from UTC, null for the visitor's own; days has Monday as 1
  // up to Sunday as 64; hours are minutes after midnight, the second the first not shown.
  var audience = ---Audience---;
  var forThisVisitor = (function (a) {
    if (a.devices !== 'all') {
      // A touch screen: a finger as the main pointer, on a screen no wider than a tablet's.
      var coarse = !!(window.matchMedia && window.matchMedia('(pointer: coarse)').matches);
      var touch = coarse && Math.min(screen.width || 0, screen.height || 0) <= 1024;
      if ((a.devices === 'touch') !== touch) return false;
    }
    var now = new Date();
    var clock = now.getTime() + (a.offset === null ? -now.getTimezoneOffset() : a.offset) * 60000;
    if ((a.from !== null && clock < a.from) || (a.until !== null && clock >= a.until)) return false;
    var minute = Math.floor(clock / 60000);
    var ofDay = minute - Math.floor(minute / 1440) * 1440;
    var day = Math.floor(minute / 1440);
    if (a.hours) {
      var begin = a.hours[0];
      var end = a.hours[1];
      if (begin < end ? ofDay < begin || ofDay >= end : ofDay < begin && ofDay >= end) return false;
      // Past midnight in hours that span it: still the day on which they began.
      if (begin > end && ofDay < end) day -= 1;
    }
    // Day 0, 1 January 1970, was a Thursday.
    return (a.days & (1 << ((day + 3) % 7 + 7) % 7)) !== 0;
  })(audience);
  if (!forThisVisitor) return;
