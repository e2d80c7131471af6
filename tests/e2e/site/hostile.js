// A game page that turns on its launcher as soon as it loads: a thousand popups at once, most of
// them to addresses that are no web address, then a thousand "app:" addresses one after another.
// When it is done it reports how long each flood took and stays a usable page.
(function () {
  var origin = location.origin;
  var notWeb = [
    "app:fullscreen||1", "APP:EXIT", "app://evil/||1", "app:" + new Array(5000).join("x"),
    "file:///etc/passwd", "javascript:void(0)", "data:text/html,<p>popup</p>", "about:blank",
    "ftp://127.0.0.1/", "mailto:player@example.com", "spotify:track:1", "chrome://settings"
  ];
  var commands = ["app:fullscreen||", "app:exit||", "app:close||", "APP:PayUrl||", "app:"];

  function report(what) {
    fetch("/report?" + what).catch(function () {});
  }

  var started = performance.now();
  for (var i = 0; i < 1000; i++) {
    // One in fifty is the shop, the only kind of address the launcher may hand to the system.
    var target = i % 50 === 0 ? origin + "/shop.html?n=" + i : notWeb[i % notWeb.length];
    try {
      window.open(target, "_blank");
    } catch (refused) {
    }
  }
  var popupTime = Math.round(performance.now() - started);

  // A navigation started in the same task as the next one is dropped before the launcher hears
  // of it, so each address gets a task of its own.
  var sent = 0;
  var navigating = performance.now();
  function navigate() {
    location.href = commands[sent % commands.length] + sent;
    sent += 1;
    if (sent < 1000) {
      setTimeout(navigate, 0);
      return;
    }
    setTimeout(function () {
      document.title = "Hostile page · flood over";
      report("flood=done&popup_ms=" + popupTime + "&app_ms=" + Math.round(performance.now() - navigating));
    }, 200);
  }
  navigate();

  var level = 1;
  document.getElementById("level").addEventListener("click", function () {
    level += 1;
    document.title = "Hostile page · level " + level;
    report("title=" + encodeURIComponent(document.title));
  });
})();
