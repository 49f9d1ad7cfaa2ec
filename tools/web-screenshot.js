// Makes the README's picture of the page: Tavrelin.html in headless Chromium from file://, a few
// shots fired with the pointer, and the client area saved.
//     NODE_PATH=build/browser-client/node_modules node tools/web-screenshot.js PAGE.html OUTPUT.png
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

async function main() {
    const browser = await launch("chromium", { width: 800, height: 700 });
    const page = await browser.newPage();
    await page.goto(pathToFileURL(path.resolve(process.argv[2])).href);
    await page.waitForSelector("#Label3 td");
    const table = await page.$eval("#Label3", element => element.getBoundingClientRect().toJSON());
    // At 20 pixels a cell, to the cell's centre.
    for (const [col, row] of SHOTS) await page.mouse.click(table.x + 20 * col + 10, table.y + 20 * row + 10);
    await (await page.$("main")).screenshot({ path: process.argv[3] });
    await browser.close();
}

main();
