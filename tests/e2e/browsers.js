// How the page's test, its benchmark and its picture start each browser engine through
// puppeteer-core: Debian's Chromium headless, with scroll bars as a user sees them, and Debian's
// Firefox ESR shown on the display, with the accessibility bus's object tree. Either can start
// without JavaScript, as a browser set to block it, or without WebAssembly: Chromium's script engine
// then runs without compiling code, which leaves WebAssembly out.
"use strict";
const puppeteer = require("puppeteer-core");

const TURNED_OFF = {
    chromium: { javascript: ["--blink-settings=scriptEnabled=false"], webassembly: ["--js-flags=--jitless"] },
    firefox: { javascript: { "javascript.enabled": false }, webassembly: { "javascript.options.wasm": false } },
};

// Firefox's pointers: a finger, and a mouse that hovers.
const FINGER_AND_MOUSE = { "ui.allPointerCapabilities": 7, "ui.primaryPointerCapabilities": 1 };

// Starts the engine, chromium or firefox, with nothing or "javascript" or "webassembly" turned off,
// showing pages of the given size; Firefox with a finger among its pointers if asked, which Chromium
// takes from DevTools once started.
exports.launch = (engine, viewport, without, finger = false) =>
    puppeteer.launch(
        engine === "chromium"
            ? {
                  browser: "chrome",
                  executablePath: "/usr/bin/chromium",
                  headless: true,
                  defaultViewport: viewport,
                  ignoreDefaultArgs: ["--hide-scrollbars"],
                  args: [
                      "--no-sandbox",
                      "--disable-gpu",
                      "--no-first-run",
                      "--disable-background-networking",
                      "--disable-component-update",
                      "--disable-sync",
                      "--force-device-scale-factor=1",
                      ...(TURNED_OFF.chromium[without] ?? []),
                  ],
              }
            : {
                  browser: "firefox",
                  executablePath: "/usr/bin/firefox-esr",
                  headless: false,
                  defaultViewport: viewport,
                  env: { ...process.env, GNOME_ACCESSIBILITY: "1" },
                  extraPrefsFirefox: { ...(TURNED_OFF.firefox[without] ?? {}), ...(finger ? FINGER_AND_MOUSE : {}) },
              },
    );
