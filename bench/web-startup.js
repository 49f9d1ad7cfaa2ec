// Times the page's start-up against a bare page in headless Chromium, alternating: from the
// navigation's start to the first frame with anything painted, which for both pages is the frame in
// which every control is painted, as each makes all of its elements in one go before the first frame.
//     NODE_PATH=build/browser-client/node_modules node web-startup.js GAME.html BARE.html RUNS
// Prints: median_game_ms median_bare_ms ratio
"use strict";
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { launch } = require("../tests/e2e/browsers");

const [game, bare] = process.argv.slice(2, 4).map(file => pathToFileURL(path.resolve(file)).href);
const runs = Number(process.argv[4]);
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

async function main() {
    const browser = await launch("chromium", { width: 800, height: 700 });
    const page = await browser.newPage();
    async function startupMs(url) {
        await page.goto(url);
        return page.evaluate(
            () =>
                new Promise(done =>
                    new PerformanceObserver(list => done(list.getEntries()[0].startTime)).observe({
                        type: "paint",
                        buffered: true,
                    }),
                ),
        );
    }
    // The first run of each warms the browser's caches.
    await startupMs(game);
    await startupMs(bare);
    const times = { [game]: [], [bare]: [] };
    for (let run = 0; run < runs; run++) for (const url of [game, bare]) times[url].push(await startupMs(url));
    await browser.close();
    const [gameMs, bareMs] = [median(times[game]), median(times[bare])];
    console.log(`${gameMs.toFixed(1)} ${bareMs.toFixed(1)} ${(gameMs / bareMs).toFixed(2)}`);
}

main();
