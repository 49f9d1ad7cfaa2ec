// Plays Tavrelin.html as a user opens it, from file://, in one browser engine, driven through
// puppeteer-core: Chromium headless over DevTools, or Firefox over WebDriver BiDi, shown on the test's
// X display. The layout against the design's pixels, the colours on a screenshot, real pointer clicks,
// keys and a finger's tap, the counters and cells read from the page, what a screen reader finds, and
// the page without JavaScript and without WebAssembly. browser.sh runs it on a display of its own.
//     node browser.js chromium|firefox PAGE.html ASSETS_DIR
"use strict";
const { execFileSync } = require("node:child_process");
const fs = require("node:fs");
const path = require("node:path");
const { pathToFileURL } = require("node:url");
const { launch } = require("./browsers");

const [engineName, pageFile, assets] = process.argv.slice(2);
const URL = pathToFileURL(path.resolve(pageFile)).href;
const CAPTION = "https://tavrelin.example/ Информатика-логическа игра, случайни, таблица";
const NEEDS = "Играта има нужда от браузър с включени JavaScript и WebAssembly.";
// A page on which the client area stands on whole pixels: (808 - 508) / 2 by (601 - 461) / 2.
const VIEWPORT = { width: 808, height: 601 };

// The controls' boxes on the client area, in pixels at 96 dots per inch, as the design places them.
const BOXES = {
    Label1_0: [96, 0, 305, 25],
    Label3: [8, 32, 280, 280],
    Picture1: [296, 32, 201, 122],
    Frame1: [328, 168, 145, 89],
    Label2_0: [336, 192, 73, 27],
    Text2_0: [408, 192, 57, 27],
    Label2_1: [336, 224, 73, 27],
    Text2_1: [408, 224, 57, 27],
    Command1_1: [368, 272, 81, 25],
    Text1_0: [8, 320, 489, 137],
    Label4: [496, 320, 9, 9],
};
const [LAVENDER, ORANGE, GREEN, RED, WHITE] = ["192,192,255", "255,192,128", "0,255,0", "255,0,0", "255,255,255"];
// Points of the client area and the colour each shows at the start: bare window, the title, the
// captions, the counters, the face of "Чисти", and the border of the top-left cell.
const SAMPLES = [
    [292, 200, LAVENDER],
    [4, 300, LAVENDER],
    [98, 2, ORANGE],
    [337, 217, ORANGE],
    [337, 249, ORANGE],
    [411, 195, GREEN],
    [411, 227, RED],
    [372, 276, RED],
    [8, 32, "0,0,0"],
];
// The captions of shot cells, which a screen reader does not read: a cell's name says what it shows.
const GLYPHS = ["X", "!"];
// A cell's colour as a screen reader hears it.
const STATES = { [WHITE]: "непроверена", [RED]: "попадение", "255,255,0": "близост", "0,0,255": "няма кораб" };
const [SWITCH, CLEAR, REST] = [
    [500, 324],
    [408, 284],
    [292, 200],
];

function check(condition, message) {
    if (!condition) {
        console.error(`FAIL (${engineName}): ${message}`);
        process.exit(1);
    }
}

const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));

// Reads again until the answer is the one wanted or five seconds have passed; gives the last answer.
async function until(read, wanted) {
    const end = Date.now() + 5000;
    for (;;) {
        const answer = await read();
        if (wanted(answer) || Date.now() > end) return answer;
        await sleep(100);
    }
}

// What a screen reader finds on the page: each object's role and name, the text of each polite live
// region, the actions each cell offers where the engine tells them, and whether the switch is there.
async function devToolsReader(page) {
    const devTools = await page.createCDPSession();
    const nodes = (await devTools.send("Accessibility.getFullAXTree")).nodes.filter(node => !node.ignored);
    const byId = new Map(nodes.map(node => [node.nodeId, node]));
    const live = nodes.filter(node =>
        (node.properties ?? []).some(p => p.name === "live" && p.value.value === "polite"),
    );
    const { objectId } = (await devTools.send("Runtime.evaluate", { expression: "Label4" })).result;
    const switchNodes = (await devTools.send("Accessibility.getPartialAXTree", { objectId, fetchRelatives: false }))
        .nodes;
    await devTools.detach();
    return {
        objects: nodes.map(node => [node.role?.value, node.name?.value ?? ""]),
        live: live.map(region => (region.childIds ?? []).map(id => byId.get(id)?.name?.value ?? "").join("")),
        cellActions: null,
        captions: nodes.filter(node => GLYPHS.includes(node.name?.value)).length,
        switchFound: !switchNodes.every(node => node.ignored),
    };
}

// The same, read through the desktop's accessibility bus from the browser's window, as Orca reads it.
async function atSpiReader() {
    const ROLES = { "table cell": "gridcell", table: "grid", entry: "textbox" };
    const objects = JSON.parse(execFileSync("/usr/bin/python3", [path.join(__dirname, "atspi.py"), "page"]));
    return {
        objects: objects.map(object => [ROLES[object.role] ?? object.role, object.name]),
        live: objects.filter(object => object.attributes.live === "polite").map(object => object.text),
        cellActions: objects.filter(object => object.role === "table cell").map(object => object.actions),
        captions: objects.filter(object => GLYPHS.includes(object.name) || GLYPHS.includes(object.text.trim())).length,
        switchFound: objects.some(object => object.attributes.id === "Label4"),
    };
}

// Presses with the real pointer of the test's X display, where the browser counts double-clicks
// itself: WebDriver BiDi starts the count again at every move of its pointer, so two quick clicks
// a pixel apart could never be a double-click there. The steps are in the page's pixels and end
// with a move; the input is over once the page has seen that last move.
async function xPointer(page, steps) {
    const [screenX, screenY] = await page.evaluate(() => {
        // The page keeps the pointer's last move, from none for each new input.
        if (!window.lastMove) addEventListener("mousemove", e => (window.lastMove = [e.clientX, e.clientY]), true);
        window.lastMove = [];
        return [mozInnerScreenX, mozInnerScreenY];
    });
    execFileSync(
        "xdotool",
        steps.flatMap(([kind, x, y]) =>
            kind === "move" ? ["mousemove", "--sync", String(screenX + x), String(screenY + y)] : [`mouse${kind}`, "1"],
        ),
    );
    const [, x, y] = steps.at(-1);
    const seen = await until(
        () => page.evaluate(() => window.lastMove),
        move => same(move, [x, y]),
    );
    check(same(seen, [x, y]), `the pointer's last move to ${x}, ${y} reached the page as ${seen}`);
}

// Presses sent as DevTools' mouse events, each with the click count a browser gives it.
async function devToolsPointer(page, steps) {
    for (const [kind, x, y] of steps) {
        if (kind === "move") await page.mouse.move(x, y);
        else await page.mouse[kind]({ clickCount: x ?? 1 });
    }
}

// How the pointer reaches each engine, how a screen reader reads it, and how the page turns into one
// on a touch screen, without opening it again: Firefox takes a finger on any page. Only Chromium's log
// shows the requests of a page opened from file://: Firefox's shows its data: URLs, but neither the
// page nor a request the page makes.
const ENGINES = {
    chromium: {
        pointer: devToolsPointer,
        reader: devToolsReader,
        // The page open now, which takes a touch screen at each size.
        finger: async page => page,
        // Puppeteer turns the touch screen off with each new size.
        resize: async (page, width, height, pointer) => {
            await page.setViewport({ width, height });
            const devTools = await page.createCDPSession();
            const touch = { enabled: pointer === "touch", maxTouchPoints: 1 };
            await devTools.send("Emulation.setTouchEmulationEnabled", touch);
        },
        // Points a quarter of a pixel inside a box's left and right edges.
        inside: (left, right) => [left + 0.25, right - 0.25],
        // Headless, Chromium has no accessibility bus: its click of a cell stands for a screen reader's,
        // which the Orca test makes through the bus.
        activate: (page, name) =>
            page.evaluate(start => document.querySelector(`td[aria-label^="${start}"]`).click(), name),
        forcedColours: async (page, active) => {
            const devTools = await page.createCDPSession();
            const features = [{ name: "forced-colors", value: active ? "active" : "none" }];
            await devTools.send("Emulation.setEmulatedMedia", { features });
        },
        logsFileRequests: true,
    },
    firefox: {
        pointer: xPointer,
        reader: atSpiReader,
        // A new browser, whose pointer can be a finger.
        finger: async () => (await open(undefined, true)).page,
        resize: (page, width, height) => page.setViewport({ width, height }),
        // Its pointer goes by whole pixels: the first and the last inside a box.
        inside: (left, right) => [Math.ceil(left + 0.25), Math.floor(right - 0.25)],
        activate: (page, name) =>
            execFileSync("/usr/bin/python3", [path.join(__dirname, "atspi.py"), "activate", name]),
        forcedColours: null,
        logsFileRequests: false,
    },
};
const engine = ENGINES[engineName];
check(engine && assets, "usage: browser.js chromium|firefox PAGE.html ASSETS_DIR");

// The program has started once it has named the page, or has put the sentence in its place.
const started = page =>
    until(
        () => page.evaluate(() => [document.title, document.body.innerText]),
        ([title, text]) => title !== "Tavrelin" || text === NEEDS,
    );

// The page opened in a new browser, with nothing or JavaScript or WebAssembly turned off, and a finger
// among its pointers if asked.
async function open(without, finger = false) {
    const browser = await launch(engineName, VIEWPORT, without, finger);
    const page = await browser.newPage();
    const messages = [];
    const requests = [];
    page.on("console", message => messages.push(message.text()));
    page.on("pageerror", error => messages.push(error.message));
    page.on("request", request => requests.push(request.url()));
    await page.goto(URL);
    await started(page);
    return { browser, page, messages, requests };
}

// The pages of the shared list for one pointer, "mouse" or "touch", each as its player sees it: every
// cell at least 24 pixels square, but for the design itself with a mouse on a page wide enough for it;
// every control inside the page's width; the whole grid in view at once where the page is at least 350
// pixels high; a game played by that pointer; and the mouse's presses just inside both edges of each
// cell of a row, each landing on the cell it is in.
async function playAtEverySize(page, pointer) {
    const run = (script, ...values) => page.evaluate(script, ...values);
    const attempts = () => run(() => Text2_1.value);
    const press = (x, y) => (pointer === "touch" ? page.touchscreen.tap(x, y) : page.mouse.click(x, y));
    // An element's box once it is scrolled to the middle of the page.
    const boxOf = selector =>
        run(selector => {
            const element = document.querySelector(selector);
            element.scrollIntoView({ block: "center", inline: "center" });
            return element.getBoundingClientRect().toJSON();
        }, selector);
    const sizes = fs
        .readFileSync(path.join(__dirname, "..", "design", "page-sizes.txt"), "utf8")
        .split("\n")
        .filter(line => line && !line.startsWith("#"))
        .map(line => line.split(" "))
        .filter(([kind]) => kind === pointer)
        .map(([, width, height]) => [Number(width), Number(height)]);
    for (const [width, height] of sizes) {
        const at = `${pointer} ${width} × ${height}`;
        // The page is as wide as the size says inside the scroll bar, where the engine shows one beside it.
        await engine.resize(page, width, height, pointer);
        await until(
            () => run(() => innerWidth),
            shownWidth => shownWidth === width,
        );
        const bar = await run(() => innerWidth - document.documentElement.clientWidth);
        await engine.resize(page, width + bar, height, pointer);
        await until(
            () => run(() => [document.documentElement.clientWidth, innerHeight]),
            size => same(size, [width, height]),
        );
        await run(() => new Promise(requestAnimationFrame));
        const shown = await run(ids => {
            const { clientWidth, clientHeight } = document.documentElement;
            const box = element => element.getBoundingClientRect();
            return {
                clientHeight,
                cells: [...Label3.querySelectorAll("td")].flatMap(cell => [box(cell).width, box(cell).height]),
                outside: ids.filter(
                    id =>
                        box(document.getElementById(id)).left < -0.01 ||
                        box(document.getElementById(id)).right > clientWidth + 0.01,
                ),
                grid: box(Label3).height,
            };
        }, Object.keys(BOXES));
        const smallest = Math.min(...shown.cells);
        const design = pointer === "mouse" && width >= 508;
        check(design ? smallest === 20 : smallest >= 24 - 0.01, `${at}: the smallest cell is ${smallest} pixels`);
        check(shown.outside.length === 0, `${at}: ${shown.outside} reach outside the page's width`);
        check(
            height < 350 || shown.grid <= shown.clientHeight,
            `${at}: the grid is ${shown.grid} pixels high on a page of ${shown.clientHeight}`,
        );

        // A game: "Чисти", then every cell of row 8 shot by the pointer at its centre; then the mouse,
        // which stops where it is put, just inside both edges of each cell of row 9, in an order that
        // keeps each press far from the last. The browser moves a tap that close to an edge to the cell
        // its own touch adjustment picks, so no finger takes part there.
        const centre = box => [box.x + box.width / 2, box.y + box.height / 2];
        await press(...centre(await boxOf("#Command1_1")));
        const counts = [];
        for (let col = 0; col < 14; col++) {
            await press(...centre(await boxOf(`#Label3 tr:nth-child(8) td:nth-child(${col + 1})`)));
            counts.push(Number(await attempts()));
        }
        const order = Array.from({ length: 7 }, (_, col) => [col, col + 7]).flat();
        const edges = [];
        for (const side of [0, 1])
            for (const col of order) {
                const cell = await boxOf(`#Label3 tr:nth-child(9) td:nth-child(${col + 1})`);
                await page.mouse.click(engine.inside(cell.left, cell.right)[side], cell.y + cell.height / 2);
                edges.push(Number(await attempts()));
            }
        check(
            same(
                counts,
                Array.from({ length: 14 }, (_, n) => n + 1),
            ) && same(edges, [...Array.from({ length: 14 }, (_, n) => n + 15), ...Array(14).fill(28)]),
            `${at}: shots at the centres of row 8 count ${counts}, presses inside the edges of row 9 ${edges}`,
        );
    }
}

async function main() {
    const { browser, page, messages, requests } = await open();
    const run = (script, ...values) => page.evaluate(script, ...values);
    const key = name => page.keyboard.press(name);
    // A cell's index from its column and row, both from 0: the index runs down each column in turn.
    const cellIndex = ([col, row]) => 14 * col + row;
    // The control with the keyboard focus, a cell by its index.
    const focused = async () => {
        const place = await run(() => {
            const element = document.activeElement;
            return element.matches("td") ? [element.cellIndex, element.parentElement.rowIndex] : element.id;
        });
        return typeof place === "string" ? place : `cell ${cellIndex(place)}`;
    };
    // The cells that Tab stops on.
    const stops = async () =>
        (
            await run(() =>
                [...Label3.querySelectorAll("td")]
                    .filter(cell => cell.tabIndex === 0)
                    .map(cell => [cell.cellIndex, cell.parentElement.rowIndex]),
            )
        ).map(cellIndex);
    // Presses a key, or a chord such as "Control+End", as a player does.
    async function press(chord) {
        const names = chord.split("+");
        for (const name of names.slice(0, -1)) await page.keyboard.down(name);
        await key(names.at(-1));
        for (const name of names.slice(0, -1).reverse()) await page.keyboard.up(name);
    }
    const counters = () => run(() => [Text2_0.value, Text2_1.value]);
    await run(() => {
        window.presses = [];
        // Each press as the browser counts it, the second of a double-click as 2, and the attempts before it.
        document.addEventListener("mousedown", e => presses.push(`${e.detail} after ${Text2_1.value}`), true);
        // Whether the page took each key for itself, once every handler has had it.
        window.taken = [];
        addEventListener("keydown", e => taken.push(e.defaultPrevented));
    });

    // Where the client area's top-left corner stands on the page, and how much it is scaled.
    async function origin() {
        const box = await run(() => document.querySelector("main").getBoundingClientRect().toJSON());
        return { left: box.x, top: box.y, scale: box.width / 508 };
    }

    // Real pointer input at points of the client area, wherever and however large it is shown:
    // ["move", x, y], ["down"], ["up"], and ["down", 2], ["up", 2] for the second press of a
    // double-click. It ends with the pointer on a bare spot.
    async function pointer(steps) {
        const { left, top, scale } = await origin();
        await engine.pointer(
            page,
            [...steps, ["move", ...REST]].map(([kind, ...rest]) =>
                kind === "move"
                    ? [kind, Math.round(left + scale * rest[0]), Math.round(top + scale * rest[1])]
                    : [kind, ...rest],
            ),
        );
    }
    // The presses that the steps make, as the page records them.
    async function pressesOf(steps) {
        await run(() => presses.splice(0));
        await pointer(steps);
        return run(() => presses);
    }
    const click = (x, y) => pointer([["move", x, y], ["down"], ["up"]]);
    const doubleClick = (x, y) => pointer([["move", x, y], ["down"], ["up"], ["down", 2], ["up", 2]]);
    // A point of cell n, inset from its left and top edges.
    const cellPoint = (n, inset, down = inset) => [8 + Math.floor(n / 14) * 20 + inset, 32 + (n % 14) * 20 + down];
    const cellCentre = n => cellPoint(n, 10);

    // The page as a screenshot: a function from a point of the client area to its colour.
    async function screen() {
        const { left, top } = await origin();
        const width = await run(() => innerWidth);
        const pixels = execFileSync("convert", ["png:-", "-depth", "8", "rgb:-"], {
            input: await page.screenshot(),
            maxBuffer: 1 << 26,
        });
        return (x, y) => {
            const offset = 3 * ((top + y) * width + left + x);
            return [...pixels.subarray(offset, offset + 3)].join(",");
        };
    }
    async function cellColours() {
        const at = await screen();
        return Array.from({ length: 196 }, (_, n) => at(...cellPoint(n, 2)));
    }
    const shot = colours => colours.filter(colour => colour !== WHITE).length;

    // What a screen reader finds, once it tells each cell by the colour it shows and speaks the phrase.
    async function readerAfter(colours, phrase) {
        const expected = colours
            .map((colour, n) => `колона ${Math.floor(n / 14) + 1}, ред ${(n % 14) + 1}, ${STATES[colour]}`)
            .sort();
        const cells = found =>
            found.objects
                .filter(([role]) => role === "gridcell")
                .map(([, name]) => name)
                .sort();
        // Firefox's accessibility tree catches up with the page in its own time: meanwhile a cell may offer
        // no action.
        const unpressable = found => (found.cellActions ?? []).filter(actions => !actions.includes("click")).length;
        const found = await until(
            () => engine.reader(page),
            found => same(cells(found), expected) && same(found.live, [phrase]) && unpressable(found) === 0,
        );
        check(same(cells(found), expected), `the table's cells are not named by place and colour: ${cells(found)}`);
        check(
            same(found.live, [phrase]),
            `the polite live regions hold ${JSON.stringify(found.live)}, not "${phrase}"`,
        );
        check(!found.switchFound, "a screen reader finds the switch");
        check(found.captions === 0, `a screen reader reads ${found.captions} captions of cells`);
        check(unpressable(found) === 0, `${unpressable(found)} cells offer a screen reader no action "click"`);
        return found;
    }
    const dataBytes = (url, type) => {
        check(url.startsWith(`data:${type};base64,`), `not a ${type} data: URL: ${url.slice(0, 40)}`);
        return Buffer.from(url.slice(url.indexOf(",") + 1), "base64");
    };

    // The page: its caption, its icon and its picture as the files' own bytes, its content policy.
    const caption = await page.title();
    check(caption === CAPTION, `the caption is ${caption}`);
    const icon = await run(() => document.querySelector("link[rel=icon]").href);
    check(
        dataBytes(icon, "image/png").equals(fs.readFileSync(path.join(assets, "tavrelin-32.png"))),
        "the icon is not tavrelin-32.png",
    );
    const picture = await run(() => [Picture1.src, Picture1.naturalWidth, Picture1.naturalHeight, Picture1.alt]);
    check(
        dataBytes(picture[0], "image/jpeg").equals(fs.readFileSync(path.join(assets, "warships.jpg"))),
        "the picture is changed",
    );
    check(same(picture.slice(1), [269, 118, "Картина: бойни кораби"]), `the picture is ${picture.slice(1)}`);
    const policy = await run(() => document.querySelector("meta[http-equiv=Content-Security-Policy]").content);
    check(
        !policy.includes("'unsafe-inline'") &&
            !policy.includes("'unsafe-eval'") &&
            policy.startsWith("default-src 'none';"),
        `the content policy is ${policy}`,
    );

    // The layout: every box where the design puts it, every cell tiling the grid.
    const { left, top, scale } = await origin();
    check(
        scale === 1 && Number.isInteger(left) && Number.isInteger(top),
        `the client area stands at ${left}, ${top} scaled ${scale}`,
    );
    const boxes = await run(
        ids =>
            Object.fromEntries(
                ids.map(id => {
                    const box = document.getElementById(id).getBoundingClientRect();
                    return [id, [box.x, box.y, box.width, box.height]];
                }),
            ),
        Object.keys(BOXES),
    );
    for (const [control, [x, y, width, height]] of Object.entries(boxes))
        check(
            same([x - left, y - top, width, height], BOXES[control]),
            `${control} stands at ${boxes[control]}, not ${BOXES[control]}`,
        );
    const cells = await run(() =>
        [...Label3.rows].map(row =>
            [...row.cells].map(cell => {
                const box = cell.getBoundingClientRect();
                return [box.x, box.y, box.width, box.height];
            }),
        ),
    );
    cells.forEach((row, r) =>
        row.forEach((cell, c) =>
            check(same(cell, [left + 8 + 20 * c, top + 32 + 20 * r, 20, 20]), `cell ${c}, ${r} stands at ${cell}`),
        ),
    );

    // The colours, and the picture at its own size from the box's inner corner, cut off at its right.
    const at = await screen();
    for (const [x, y, colour] of SAMPLES)
        check(at(x, y) === colour, `the client area shows ${at(x, y)} at ${x}, ${y}, not ${colour}`);
    check(shot(await cellColours()) === 0, "not every cell is white at start-up");
    const jpeg = execFileSync("convert", [path.join(assets, "warships.jpg"), "-depth", "8", "rgb:-"]);
    let difference = 0;
    for (let y = 0; y < 118; y++)
        for (let x = 0; x < 197; x++)
            at(298 + x, 34 + y)
                .split(",")
                .forEach((value, i) => {
                    difference += Math.abs(value - jpeg[3 * (269 * y + x) + i]);
                });
    difference /= 197 * 118 * 3;
    check(difference < 2, `the picture box differs from the picture by ${difference.toFixed(1)} a colour`);
    const atStart = await counters();
    check(same(atStart, ["25", "0"]), `the counters start at ${atStart}`);

    // The keyboard: the focus starts in the rules box; Tab goes on to the picture, "Чисти", the grid's
    // first cell, out of the page, and round again; no element asks to come first. The rules can be
    // selected, not changed; the counters take no input.
    const focus = [await focused()];
    for (let i = 0; i < 5; i++) {
        await key("Tab");
        focus.push(await focused());
    }
    check(same(focus, ["Text1_0", "Picture1", "Command1_1", "cell 0", "", "Text1_0"]), `Tab goes ${focus}`);
    const first = await run(() => [...document.querySelectorAll("[tabindex]")].filter(e => e.tabIndex > 0).length);
    check(first === 0, `${first} elements come first in the order of Tab`);
    const rules = await run(() => Text1_0.value);
    for (const name of ["x", "Backspace", "Enter"]) await key(name);
    await page.keyboard.down("Control");
    await key("a");
    await page.keyboard.up("Control");
    check(
        same(await run(() => [Text1_0.value, Text1_0.selectionEnd - Text1_0.selectionStart]), [rules, rules.length]),
        "the rules text changed or cannot be selected",
    );
    await click(436, 205);
    await key("7");
    check(same(await counters(), ["25", "0"]) && (await focused()) !== "Text2_0", "a counter takes input");

    // A shot, a second click on it, a double-click: one attempt each time a white cell is hit.
    await click(...cellCentre(0));
    let colours = await cellColours();
    const afterShot = await counters();
    check(colours[0] !== WHITE && afterShot[1] === "1", `a click on cell 0 gives ${colours[0]}, ${afterShot}`);
    await readerAfter(colours, `${STATES[colours[0]]}; остават ${afterShot[0]}, опита 1`);
    await click(...cellCentre(0));
    await doubleClick(...cellCentre(20));
    check((await counters())[1] === "2" && shot(await cellColours()) === 2, "a double-click shot twice");

    // Two quick clicks 1 pixel apart, on the last row of cell 40 and the first of cell 41: the second
    // press is the second of a double-click, and still a shot of its own after the first's.
    let [x, y] = cellCentre(40);
    const pair = await pressesOf([["move", x, y + 9], ["down"], ["up"], ["move", x, y + 10], ["down", 2], ["up", 2]]);
    check(same(pair, ["1 after 2", "2 after 3"]), `the quick pair came as presses ${JSON.stringify(pair)}`);
    const afterPair = (await counters())[1];
    check(afterPair === "4", `a quick pair on neighbouring cells makes ${afterPair} attempts, not 4`);

    // A press dragged onto cell 60 from a bare spot shoots nothing, nor does one dragged off it; the
    // quick press back on it, which the browser counts as the second of a double-click, is a press of
    // its own, and its click shoots.
    [x, y] = cellCentre(60);
    await pointer([["down"], ["move", x, y], ["up"]]);
    check((await counters())[1] === "4", "a press dragged onto a cell shoots it");
    const back = await pressesOf([
        ["move", x, y],
        ["down"],
        ["move", ...REST],
        ["up"],
        ["move", x, y],
        ["down", 2],
        ["up", 2],
    ]);
    check(
        same(back, ["1 after 4", "2 after 4"]),
        `a press dragged off a cell, then one back on it: ${JSON.stringify(back)}`,
    );
    check(
        (await counters())[1] === "5" && (await cellColours())[60] !== WHITE,
        "the quick click back on a cell after a press dragged off it shoots nothing",
    );

    // A screen reader's command to activate a cell, twice: one shot.
    for (let i = 0; i < 2; i++) await engine.activate(page, "колона 8, ред 6, ");
    await until(counters, ([, tried]) => tried !== "5");
    check(
        (await counters())[1] === "6" && (await cellColours())[cellIndex([7, 5])] !== WHITE,
        "a screen reader cannot shoot a cell",
    );

    // The switch: its first pixel column lies under the rules box; the rest shows the fleet, counting
    // every ship cell as an attempt.
    await click(496, 324);
    check((await counters())[1] === "6", "the switch's covered column turns it on");
    await click(...SWITCH);
    colours = await cellColours();
    const revealed = await counters();
    check(same(revealed, ["0", "31"]) && colours.filter(c => c === RED).length === 25, `the switch gives ${revealed}`);

    // "Чисти" deals a new game: by a click, by Space and by Enter while it has the focus.
    await click(...CLEAR);
    colours = await cellColours();
    check(same(await counters(), ["25", "0"]) && shot(colours) === 0, '"Чисти" deals no new game');
    await readerAfter(colours, "нова игра; остават 25, опита 0");
    for (const name of [" ", "Enter"]) {
        await click(...cellCentre(100));
        check((await focused()) === "Command1_1", "a click on a cell moves the focus");
        await key(name);
        check(same(await counters(), ["25", "0"]), `${JSON.stringify(name)} on "Чисти" deals no new game`);
    }

    // The grid from the keyboard: Tab from "Чисти" reaches the current cell, the only one Tab stops on,
    // and the keys move it; the grid takes them alone, and no other chord.
    await key("Tab");
    const GRID_KEYS = [
        ["ArrowLeft", 0, true],
        ["ArrowUp", 0, true],
        ["ArrowRight", 14, true],
        ["ArrowDown", 15, true],
        ["End", 183, true],
        ["Home", 1, true],
        ["PageDown", 13, true],
        ["PageUp", 0, true],
        ["Control+End", 195, true],
        ["ArrowRight", 195, true],
        ["ArrowDown", 195, true],
        ["Control+Home", 0, true],
        ["Shift+ArrowRight", 0, false],
        ["Control+ArrowDown", 0, false],
        ["Alt+ArrowDown", 0, false],
        ["Shift+End", 0, false],
        ["Control+Shift+End", 0, false],
        ["Control+Alt+Home", 0, false],
    ];
    for (const [chord, cell, grids] of GRID_KEYS) {
        await press(chord);
        const [now, stop, took] = [await focused(), await stops(), await run(() => taken.at(-1))];
        check(
            now === `cell ${cell}` && same(stop, [cell]) && took === grids,
            `${chord} leaves the focus on ${now}, Tab's stop on ${stop}, the key ${took ? "taken" : "left"}`,
        );
    }

    // Space and Enter shoot the current cell as a click does, once; on a shot cell they count nothing. The
    // cell's name tells what it shows.
    await press(" ");
    await press(" ");
    await press("ArrowRight");
    await press("Enter");
    colours = await cellColours();
    const named = await run(() => document.activeElement.getAttribute("aria-label"));
    check(
        (await counters())[1] === "2" && shot(colours) === 2 && colours[0] !== WHITE && colours[14] !== WHITE,
        `Space twice and Enter shoot ${shot(colours)} cells in ${(await counters())[1]} attempts, not 2 in 2`,
    );
    check(named === `колона 2, ред 1, ${STATES[colours[14]]}`, `the shot cell is named ${named}, shows ${colours[14]}`);

    // The focus mark: inside the current cell's border, a white ring and then a black one, and nothing
    // on the other cells. A press on a cell or on the bare window takes neither the focus nor the
    // current cell.
    const marks = (at, n) => [2, 3, 4].map(inset => at(...cellPoint(n, inset, 10)));
    let seen = await screen();
    check(
        same(marks(seen, 14), [colours[14], WHITE, "0,0,0"]) && same(marks(seen, 0), Array(3).fill(colours[0])),
        `the focus mark shows ${marks(seen, 14)} on the current cell and ${marks(seen, 0)} beside it`,
    );
    await click(...cellCentre(100));
    await click(436, 205);
    await click(...REST);
    check(
        (await focused()) === "cell 14" && same(await stops(), [14]) && (await counters())[1] === "3",
        `a click moves the focus to ${await focused()} or Tab's stop to ${await stops()}`,
    );

    // Shift+Tab goes back to "Чисти", which keeps the current cell for the next game; Tab comes back to it,
    // and leaves the page, with no mark left behind.
    const cycle = [];
    for (const chord of ["Shift+Tab", " ", "Tab", "Tab"]) {
        await press(chord);
        cycle.push(await focused());
    }
    seen = await screen();
    check(
        same(cycle, ["Command1_1", "Command1_1", "cell 14", ""]) && same(marks(seen, 14), Array(3).fill(WHITE)),
        `Shift+Tab, Space and Tab go ${cycle}, and leave ${marks(seen, 14)} on the cell`,
    );
    check(same(await counters(), ["25", "0"]), 'Space on "Чисти" deals no new game');

    // A double-click turns the switch on once; a click turns it off, which shows nothing, and the next
    // on again, counting 25 more attempts.
    await doubleClick(...SWITCH);
    await click(...SWITCH);
    const afterSwitch = (await counters())[1];
    check(afterSwitch === "25", `a double-click and a click on the switch make ${afterSwitch} attempts, not 25`);
    await click(...SWITCH);
    check((await counters())[1] === "50", "the switch turned on again counts no attempts");
    check(
        (await run(() => Label4.getAttribute("aria-hidden"))) === "true",
        "the switch is not hidden from screen readers",
    );

    // A whole game: every cell shot, the 25 ship cells red, every cell named by its answer.
    await click(...CLEAR);
    await pointer(Array.from({ length: 196 }, (_, n) => [["move", ...cellCentre(n)], ["down"], ["up"]]).flat());
    colours = await cellColours();
    const [left196, tried] = await counters();
    check(
        left196 === "0" && tried === "196" && colours.filter(c => c === RED).length === 25 && shot(colours) === 196,
        `a whole game ends at ${left196}, ${tried} with ${colours.filter(c => c === RED).length} red cells`,
    );
    const last = colours[195];
    const found = await readerAfter(colours, `${STATES[last]}; остават 0, опита 196`);
    for (const object of [
        ["textbox", "Остават:"],
        ["textbox", "Опита:"],
        ["image", "Картина: бойни кораби"],
        ["textbox", "Правила на играта"],
        ["button", "Чисти"],
        ["grid", "Игрално поле"],
        ["heading", "Tavrelin"],
    ])
        check(
            found.objects.some(o => same(o, object)),
            `a screen reader finds no ${object}`,
        );

    // In forced colours the cells and the counters keep their colours; the title takes the system's.
    if (engine.forcedColours) {
        await engine.forcedColours(page, true);
        const forced = await cellColours();
        seen = await screen();
        check(
            same(forced, colours) && seen(411, 195) === GREEN && seen(411, 227) === RED && seen(98, 2) !== ORANGE,
            `in forced colours ${forced.filter((c, n) => c !== colours[n]).length} cells change, the counters show ` +
                `${seen(411, 195)} and ${seen(411, 227)}, the title ${seen(98, 2)}`,
        );
        await engine.forcedColours(page, false);
    }

    // In a window shorter than the page, no key of the grid scrolls it.
    await page.setViewport({ width: VIEWPORT.width, height: 400 });
    await until(
        () => run(() => innerHeight),
        height => height === 400,
    );
    await run(() => Label3.querySelector("[tabindex='0']").focus());
    for (const chord of ["PageDown", "End", " ", "ArrowDown", "Control+End", "PageUp", "Home", "Enter"])
        await press(chord);
    const scrolled = await run(() => [scrollY, document.documentElement.scrollHeight > innerHeight]);
    check(same(scrolled, [0, true]), `the grid's keys scroll the page to ${scrolled[0]}, or it does not scroll`);

    // Nothing went wrong on the way, and nothing was asked of the network.
    check(messages.length === 0, `the console shows ${messages}`);
    if (engine.logsFileRequests)
        check(
            requests.every(url => url === URL || url.startsWith("data:")),
            `the page asked for ${requests.filter(u => !u.startsWith("data:"))}`,
        );

    // Every page of the shared list, with the mouse and then with a finger.
    await playAtEverySize(page, "mouse");
    const fingers = await engine.finger(page);
    await playAtEverySize(fingers, "touch");
    check(messages.length === 0, `the console shows ${messages}`);
    await browser.close();
    if (fingers.browser() !== browser) await fingers.browser().close();

    // Without WebAssembly, and without JavaScript, the page says so.
    for (const without of ["webassembly", "javascript"]) {
        const bare = await open(without);
        const text = await bare.page.evaluate(() => document.body.innerText);
        check(text === NEEDS, `without ${without} the page says ${JSON.stringify(text.slice(0, 60))}`);
        await bare.browser.close();
    }
    console.log(`browser: the page played a whole game in ${engineName} from file://`);
}

main().catch(error => check(false, error.stack));
