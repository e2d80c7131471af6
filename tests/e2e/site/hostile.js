// A game page that turns on its launcher as soon as it loads: a thousand popups at once, half
// of them to addresses that are no web address, then a thousand "app:" addresses within about a
// second. When it is done it reports how long the popups took and stays a usable page.
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

  var sent = 0;
  function navigate() {
    for (var burst = 0; burst < 20 && sent < 1000; burst++, sent++)
      location.href = commands[sent % commands.length] + sent;
    if (sent < 1000) {
      setTimeout(navigate, 1);
      return;
    }
    setTimeout(function () {
      document.title = "Hostile page · flood over";
      report("flood=done&popup_ms=" + popupTime + "&app_ms=" + Math.round(performance.now() - started));
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
