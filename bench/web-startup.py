#!/usr/bin/python3
"""Times the page's start-up against a bare page in headless Chromium, alternating: from the
navigation's start to the first frame with anything painted, which for both pages is the frame in
which every control is painted, as each makes all of its elements in one go before the first frame.
    web-startup.py GAME.html BARE.html RUNS
Prints: median_game_ms median_bare_ms ratio
"""
import pathlib
import statistics
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

game, bare = (pathlib.Path(path).resolve().as_uri() for path in sys.argv[1:3])
runs = int(sys.argv[3])
options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--window-size=800,700",
                 f"--user-data-dir={tempfile.mkdtemp()}"):
    options.add_argument(argument)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def startup_ms(url):
    browser.get(url)
    return browser.execute_async_script("""
        const done = arguments[0];
        new PerformanceObserver(list => done(list.getEntries()[0].startTime))
            .observe({type: 'paint', buffered: true});""")


# The first run of each warms the browser's caches.
startup_ms(game)
startup_ms(bare)
times = {game: [], bare: []}
for _ in range(runs):
    for url in (game, bare):
        times[url].append(startup_ms(url))
browser.quit()
game_ms, bare_ms = statistics.median(times[game]), statistics.median(times[bare])
print(f"{game_ms:.1f} {bare_ms:.1f} {game_ms / bare_ms:.2f}")
