// Makes the README's pictures of the page: Tavrelin.html in headless Chromium from file://, a few
// shots fired with the mouse and the client area saved; then the same on a phone's touch screen, 360
// by 640 pixels, with taps, and the whole page saved.
//     NODE_PATH=build/browser-client/node_modules node tools/web-screenshot.js PAGE.html OUTPUT.png PHONE.png
"use strict";
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { launch } = require("../tests/e2e/browsers");

// Shots spread over the grid, as column and row, the same as on the Windows window's picture.
const SHOTS = [
    [1, 1],
    [2, 5],
    [3, 9],
    [4, 3],
    [5, 12],
    [6, 6],
    [7, 1],
    [8, 8],
    [9, 4],
    [10, 11],
    [11, 2],
    [12, 7],
    [13, 13],
    [0, 13],
];

// Fires the shots at the cells' centres, with the mouse or with a finger.
async function shoot(page, press) {
    for (const [col, row] of SHOTS) {
        const cell = await page.$eval(`#Label3 tr:nth-child(${row + 1}) td:nth-child(${col + 1})`, element =>
            element.getBoundingClientRect().toJSON(),
        );
        await press(cell.x + cell.width / 2, cell.y + cell.height / 2);
    }
}

async function main() {
    const browser = await launch("chromium", { width: 800, height: 700 });
    const page = await browser.newPage();
    await page.goto(pathToFileURL(path.resolve(process.argv[2])).href);
    await page.waitForSelector("#Label3 td");
    await shoot(page, (x, y) => page.mouse.click(x, y));
    await (await page.$("main")).screenshot({ path: process.argv[3] });

    // A phone's scroll bars lie over the page.
    await page.click("#Command1_1");
    await page.setViewport({ width: 360, height: 640 });
    const devTools = await page.createCDPSession();
    await devTools.send("Emulation.setScrollbarsHidden", { hidden: true });
    await devTools.send("Emulation.setTouchEmulationEnabled", { enabled: true, maxTouchPoints: 1 });
    await page.evaluate(() => new Promise(requestAnimationFrame));
    await shoot(page, (x, y) => page.touchscreen.tap(x, y));
    await page.evaluate(() => scrollTo(0, 0));
    await page.screenshot({ path: process.argv[4], fullPage: true });
    await browser.close();
}

main();
