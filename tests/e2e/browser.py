#!/usr/bin/python3
"""Plays Tavrelin.html in headless Chromium as a user opens it, from file://, driven through
Selenium: the layout against the design's pixels, the colours on a screenshot, real pointer clicks,
keys, the counters and cells read from the page, and what a screen reader finds, read through
DevTools. Last, the page without JavaScript and without WebAssembly.
    browser.py PAGE.html ASSETS_DIR
"""
import base64
import json
import pathlib
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.keys import Keys

page = pathlib.Path(sys.argv[1]).resolve()
assets = pathlib.Path(sys.argv[2])
URL = page.as_uri()
CAPTION = "https://tavrelin.example/ Информатика-логическа игра, случайни, таблица"
NEEDS = "Играта има нужда от браузър с включени JavaScript и WebAssembly."

# The controls' boxes on the client area, in pixels at 96 dots per inch, as the design places them.
BOXES = {"Label1_0": (96, 0, 305, 25), "Label3": (8, 32, 280, 280), "Picture1": (296, 32, 201, 122),
         "Frame1": (328, 168, 145, 89), "Label2_0": (336, 192, 73, 27), "Text2_0": (408, 192, 57, 27),
         "Label2_1": (336, 224, 73, 27), "Text2_1": (408, 224, 57, 27), "Command1_1": (368, 272, 81, 25),
         "Text1_0": (8, 320, 489, 137), "Label4": (496, 320, 9, 9)}
LAVENDER, ORANGE, GREEN, RED = (192, 192, 255), (255, 192, 128), (0, 255, 0), (255, 0, 0)
# Points of the client area and the colour each shows at the start: bare window, the title, the
# captions, the counters, the face of "Чисти", and the border of the top-left cell.
SAMPLES = [((292, 200), LAVENDER), ((4, 300), LAVENDER), ((98, 2), ORANGE), ((337, 217), ORANGE),
           ((337, 249), ORANGE), ((411, 195), GREEN), ((411, 227), RED), ((372, 276), RED), ((8, 32), (0, 0, 0))]
# A cell's colour as a screen reader hears it.
STATES = {(255, 255, 255): "непроверена", RED: "попадение", (255, 255, 0): "близост", (0, 0, 255): "няма кораб"}
SWITCH, CLEAR, REST = (500, 324), (408, 284), (292, 200)


def fail(message):
    sys.exit(f"FAIL: {message}")


def check(condition, message):
    if not condition:
        fail(message)


def start(*arguments):
    """Headless Chromium with a profile of its own, its console and its network log kept."""
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync", "--force-device-scale-factor=1",
                     "--window-size=800,700", f"--user-data-dir={tempfile.mkdtemp()}") + arguments:
        options.add_argument(argument)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


browser = start()
run = browser.execute_script
cdp = browser.execute_cdp_cmd


def origin():
    """Where the client area's top-left corner stands in the page's window, and how much it is scaled."""
    box = run("return document.querySelector('main').getBoundingClientRect()")
    return box["x"], box["y"], box["width"] / 508


def cell_centre(n):
    return 8 + n // 14 * 20 + 10, 32 + n % 14 * 20 + 10


def pointer(steps):
    """Real pointer input at points of the client area, wherever and however large it is shown:
    ("move", x, y), ("down",), ("up",), ("click",)."""
    left, top, scale = origin()
    actions = ActionBuilder(browser, duration=0)
    for step in steps + [("move", *REST)]:
        if step[0] == "move":
            actions.pointer_action.move_to_location(round(left + scale * step[1]), round(top + scale * step[2]))
        else:
            getattr(actions.pointer_action, {"down": "pointer_down", "up": "pointer_up", "click": "click"}[step[0]])()
    actions.perform()


def click(x, y, times=1):
    pointer([("move", x, y)] + [("click",)] * times)


def screen():
    """The page's window as a screenshot: a function from a point of the client area to its colour."""
    left, top, _ = origin()
    width = run("return innerWidth")
    pixels = subprocess.run(["convert", "png:-", "-depth", "8", "rgb:-"], input=browser.get_screenshot_as_png(),
                            capture_output=True, check=True).stdout
    return lambda x, y: tuple(pixels[3 * ((round(top) + y) * width + round(left) + x):][:3])


def cell_colours():
    at = screen()
    return [at(8 + n // 14 * 20 + 3, 32 + n % 14 * 20 + 3) for n in range(196)]


def counters():
    return run("return [Text2_0.value, Text2_1.value]")


def accessibility_tree():
    return [node for node in cdp("Accessibility.getFullAXTree", {})["nodes"] if not node.get("ignored")]


def spoken():
    """What the polite live region holds, as the accessibility tree has it."""
    nodes = accessibility_tree()
    by_id = {node["nodeId"]: node for node in nodes}
    regions = [node for node in nodes if node.get("role", {}).get("value") == "generic" and
               {"name": "live", "value": {"type": "token", "value": "polite"}} in node.get("properties", [])]
    check(len(regions) == 1, f"{len(regions)} polite live regions, not one")
    return "".join(by_id[child]["name"]["value"] for child in regions[0].get("childIds", []) if child in by_id)


def check_cells_named(colours):
    names = [node["name"]["value"] for node in accessibility_tree() if node.get("role", {}).get("value") == "cell"]
    expected = sorted(f"колона {n // 14 + 1}, ред {n % 14 + 1}, {STATES[colours[n]]}" for n in range(196))
    check(sorted(names) == expected, f"the table's 196 cells are not named by place and colour: {names[:3]}")


def data_url_bytes(url, media_type):
    prefix = f"data:{media_type};base64,"
    check(url.startswith(prefix), f"not a {media_type} data: URL: {url[:40]}")
    return base64.b64decode(url[len(prefix):])


browser.get(URL)
run("window.presses = []; document.addEventListener('mousedown', e => presses.push(e.detail), true)")

# The page: its caption, its icon and its picture as the files' own bytes, its content policy.
check(browser.title == CAPTION, f"the caption is {browser.title}")
icon = run("return document.querySelector('link[rel=icon]').href")
check(data_url_bytes(icon, "image/png") == (assets / "tavrelin-32.png").read_bytes(), "the icon is not tavrelin-32.png")
picture = run("return [Picture1.src, Picture1.naturalWidth, Picture1.naturalHeight, Picture1.alt]")
check(data_url_bytes(picture[0], "image/jpeg") == (assets / "warships.jpg").read_bytes(), "the picture is changed")
check(picture[1:] == [269, 118, "Картина: бойни кораби"], f"the picture is {picture[1:]}")
policy = run("return document.querySelector('meta[http-equiv=Content-Security-Policy]').content")
check("'unsafe-inline'" not in policy and "'unsafe-eval'" not in policy and policy.startswith("default-src 'none';"),
      f"the content policy is {policy}")

# The layout: every box where the design puts it, every cell tiling the grid.
left, top, _ = origin()
boxes = run("return Object.fromEntries(arguments[0].map(id => { const b = document.getElementById(id)"
            ".getBoundingClientRect(); return [id, [b.x, b.y, b.width, b.height]]; }))", list(BOXES))
for control, expected in BOXES.items():
    x, y, width, height = boxes[control]
    check((x - left, y - top, width, height) == expected, f"{control} stands at {boxes[control]}, not {expected}")
cells = run("return [...Label3.rows].map(row => [...row.cells].map(cell => { const b = cell.getBoundingClientRect();"
            " return [b.x, b.y, b.width, b.height]; }))")
for row in range(14):
    for col in range(14):
        check(cells[row][col] == [left + 8 + 20 * col, top + 32 + 20 * row, 20, 20], f"cell {col}, {row} misplaced")
check(run("return document.querySelector('main').getBoundingClientRect().width") == 508,
      "the client area is not 508 pixels wide")

# The colours, and the picture at its own size from the box's inner corner, cut off at its right.
at = screen()
for point, colour in SAMPLES:
    check(at(*point) == colour, f"the client area shows {at(*point)} at {point}, not {colour}")
check(cell_colours() == [(255, 255, 255)] * 196, "not every cell is white at start-up")
jpeg = subprocess.run(["convert", str(assets / "warships.jpg"), "-depth", "8", "rgb:-"], capture_output=True,
                      check=True).stdout
difference = sum(abs(a - b) for y in range(118) for x in range(197)
                 for a, b in zip(at(298 + x, 34 + y), jpeg[3 * (269 * y + x):][:3])) / (197 * 118 * 3)
check(difference < 2, f"the picture box differs from the picture by {difference:.1f} a colour")
check(counters() == ["25", "0"], f"the counters start at {counters()}")

# The keyboard: the focus starts in the rules box; Tab goes on to the picture, "Чисти", out of the
# page, and round again. The rules can be selected, not changed; the counters take no input.
focus = [run("return document.activeElement.id")]
for _ in range(4):
    webdriver.ActionChains(browser).send_keys(Keys.TAB).perform()
    focus.append(run("return document.activeElement.id"))
check(focus == ["Text1_0", "Picture1", "Command1_1", "", "Text1_0"], f"Tab goes {focus}")
rules = run("return Text1_0.value")
webdriver.ActionChains(browser).send_keys("x", Keys.BACKSPACE, Keys.ENTER).key_down(Keys.CONTROL).send_keys(
    "a").key_up(Keys.CONTROL).perform()
check(run("return [Text1_0.value, Text1_0.selectionEnd - Text1_0.selectionStart]") == [rules, len(rules)],
      "the rules text changed or cannot be selected")
click(436, 205)
webdriver.ActionChains(browser).send_keys("7").perform()
check(counters() == ["25", "0"] and run("return document.activeElement.id") != "Text2_0", "a counter takes input")

# A shot, a second click on it, a double-click: one attempt each time a white cell is hit.
click(*cell_centre(0))
colours = cell_colours()
check(colours[0] != (255, 255, 255) and counters()[1] == "1", f"a click on cell 0 gives {colours[0]}, {counters()}")
check(spoken() == f"{STATES[colours[0]]}; остават {counters()[0]}, опита 1", f"after a shot, {spoken()!r} is spoken")
check_cells_named(colours)
click(*cell_centre(0))
click(*cell_centre(20), times=2)
check(counters()[1] == "2" and sum(c != (255, 255, 255) for c in cell_colours()) == 2, "a double-click shot twice")

# Two quick clicks 1 pixel apart, on the last row of cell 40 and the first of cell 41: the second
# press is the second of a double-click, and still a shot of its own.
run("presses.length = 0")
x, y = cell_centre(40)
pointer([("move", x, y + 9), ("click",), ("move", x, y + 10), ("click",)])
check(run("return presses") == [1, 2], f"the quick pair came as presses {run('return presses')}")
check(counters()[1] == "4", f"a quick pair on neighbouring cells makes {counters()[1]} attempts, not 4")

# A press dragged off cell 60 shoots nothing, nor does one dragged onto it from a bare spot; the
# quick press back on it, which the browser counts
# as the second of a double-click, is a press of its own, and its click shoots.
x, y = cell_centre(60)
pointer([("move", x, y), ("down",), ("move", *REST), ("up",), ("down",), ("move", x, y), ("up",)])
check(counters()[1] == "4", "a press dragged off a cell, or one dragged onto it, shoots it")
left, top, _ = origin()
for kind in ("mousePressed", "mouseReleased"):
    cdp("Input.dispatchMouseEvent", {"type": kind, "x": left + x, "y": top + y, "button": "left", "clickCount": 2})
check(counters()[1] == "5" and cell_colours()[60] != (255, 255, 255), "the click after a dragged press shoots nothing")

# A screen reader's command to activate a cell is a click that no pointer makes: one shot.
run("Label3.rows[5].cells[7].click(); Label3.rows[5].cells[7].click()")
check(counters()[1] == "6" and cell_colours()[7 * 14 + 5] != (255, 255, 255), "a screen reader cannot shoot a cell")

# The switch: its first pixel column lies under the rules box; the rest shows the fleet, counting
# every ship cell as an attempt.
click(496, 324)
check(counters()[1] == "6", "the switch's covered column turns it on")
click(*SWITCH)
check(counters() == ["0", "31"] and cell_colours().count(RED) == 25, f"the switch gives {counters()}")

# "Чисти" deals a new game: by a click, by Space and by Enter while it has the focus.
click(*CLEAR)
check(counters() == ["25", "0"] and cell_colours() == [(255, 255, 255)] * 196, "\"Чисти\" deals no new game")
check(spoken() == "нова игра; остават 25, опита 0", f"after \"Чисти\", {spoken()!r} is spoken")
for key in (Keys.SPACE, Keys.ENTER):
    click(*cell_centre(100))
    check(run("return document.activeElement.id") == "Command1_1", "a click on a cell moves the focus")
    webdriver.ActionChains(browser).send_keys(key).perform()
    check(counters() == ["25", "0"], f"{key!r} on \"Чисти\" deals no new game")

# A double-click turns the switch on once; a click turns it off, which shows nothing, and the next
# on again, counting 25 more attempts.
click(*SWITCH, times=2)
click(*SWITCH)
check(counters()[1] == "25", f"a double-click and a click on the switch make {counters()[1]} attempts, not 25")
click(*SWITCH)
check(counters()[1] == "50", "the switch turned on again counts no attempts")
check(run("return Label4.getAttribute('aria-hidden')") == "true", "the switch is not hidden from screen readers")
switch = cdp("Runtime.evaluate", {"expression": "Label4"})["result"]["objectId"]
check(all(node.get("ignored") for node in cdp("Accessibility.getPartialAXTree",
                                              {"objectId": switch, "fetchRelatives": False})["nodes"]),
      "a screen reader finds the switch")

# A whole game: every cell shot, the 25 ship cells red, every cell named by its answer.
click(*CLEAR)
pointer([step for n in range(196) for step in (("move", *cell_centre(n)), ("click",))])
colours = cell_colours()
check(counters() == ["0", "196"] and colours.count(RED) == 25 and (255, 255, 255) not in colours,
      f"a whole game ends at {counters()} with {colours.count(RED)} red cells")
check_cells_named(colours)
roles = {(node["role"]["value"], node.get("name", {}).get("value")) for node in accessibility_tree()}
for role in (("textbox", "Остават:"), ("textbox", "Опита:"), ("image", "Картина: бойни кораби"),
             ("textbox", "Правила на играта"), ("button", "Чисти"), ("table", "")):
    check(role in roles, f"a screen reader finds no {role}")

# Nothing went wrong on the way, and nothing was asked of the network.
check(browser.get_log("browser") == [], "the console shows messages")
requests = [json.loads(entry["message"])["message"]["params"] for entry in browser.get_log("performance")
            if '"Network.requestWillBeSent"' in entry["message"]]
urls = {request["request"]["url"] for request in requests if request.get("documentURL") == URL}
check(all(url == URL or url.startswith("data:") for url in urls), f"the page asked for {urls}")
check(not any(request["request"]["url"].startswith(("http", "ws")) for request in requests), "the network was used")

# A phone's width: the whole area visible, scaled to the page's width, and a click and a finger's
# tap where a cell shows.
browser.set_window_size(360, 800)
box = run("return document.querySelector('main').getBoundingClientRect()")
check(abs(box["x"]) < 0.5 and abs(box["width"] - 360) < 0.5 and abs(box["height"] - 461 * 360 / 508) < 0.5 and
      box["bottom"] <= run("return innerHeight"), f"in a 360 px window the area stands at {box}")
click(*CLEAR)
click(*cell_centre(100))
check(run("return Label3.rows[2].cells[7].style.backgroundColor") != "rgb(255, 255, 255)" and
      counters()[1] == "1", "a click where cell 100 shows in a scaled window does not shoot it alone")
cdp("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 1})
cell = run("return Label3.rows[3].cells[4].getBoundingClientRect()")
for kind, points in (("touchStart", [{"x": cell["x"] + 5, "y": cell["y"] + 5}]), ("touchEnd", [])):
    cdp("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})
check(counters()[1] == "2" and run("return Label3.rows[3].cells[4].style.backgroundColor") != "rgb(255, 255, 255)",
      "a tap on a cell shoots nothing")

# Without WebAssembly, and without JavaScript, the page says so.
cdp("Page.addScriptToEvaluateOnNewDocument", {"source": "delete globalThis.WebAssembly;"})
browser.refresh()
check(run("return document.body.innerText") == NEEDS, "without WebAssembly the page says nothing")
browser.quit()
browser = start("--blink-settings=scriptEnabled=false")
browser.get(URL)
check(browser.execute_script("return document.body.innerText") == NEEDS, "without JavaScript the page says nothing")
browser.quit()
print("browser: the page played a whole game in headless Chromium from file://")
