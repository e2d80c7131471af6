// The game page: tells the launcher its pay link, reports what the launcher answered, and
// offers the things a game page does (title changes, popups, app: commands, downloads).
(function () {
  var level = 1;
  var payLink = location.origin + "/pay.html?server=3";
  var answer = "no launcher";
  if (typeof window.JsCallWindowsClient === "function") {
    answer = String(window.JsCallWindowsClient("PayUrl", payLink));
  }
  document.getElementById("bridge").textContent = "bridge: PayUrl → " + answer;
  // The demo server writes reports to its log, so a test can see what the page saw.
  fetch("/report?payurl=" + encodeURIComponent(answer)).catch(function () {});

  // Nothing listens on the port after the site's. (Ports like 9 or 1 would be refused by the
  // engine itself before any connection, which is not what an offline server looks like.)
  document.getElementById("offline").href =
      location.protocol + "//" + location.hostname + ":" + (Number(location.port || 80) + 1) + "/";

  document.getElementById("level").addEventListener("click", function () {
    level += 1;
    document.title = "Demo game · level " + level;
    fetch("/report?title=" + encodeURIComponent(document.title)).catch(function () {});
  });
  // The app: link leaves no trace of its own on the site; the report says it was followed. A
  // beacon, unlike a fetch, outlives the load the launcher stops for the link.
  document.getElementById("command").addEventListener("click", function () {
    navigator.sendBeacon("/report?followed=command");
  });
  document.getElementById("shop").addEventListener("click", function () {
    window.open(location.origin + "/shop.html", "shop", "width=480,height=360");
  });
})();
