#!/usr/bin/python3
"""Makes the README's picture of the page: Tavrelin.html in headless Chromium from file://, a few
shots fired with the pointer, and the client area saved.
    tools/web-screenshot.py PAGE.html OUTPUT.png
"""
import pathlib
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains

# Shots spread over the grid, as column and row, the same as on the Windows window's picture.
SHOTS = [(1, 1), (2, 5), (3, 9), (4, 3), (5, 12), (6, 6), (7, 1), (8, 8), (9, 4), (10, 11), (11, 2), (12, 7),
         (13, 13), (0, 13)]

options = webdriver.ChromeOptions()
options.binary_location = "/usr/bin/chromium"
for argument in ("--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                 "--disable-component-update", "--disable-sync", "--force-device-scale-factor=1",
                 "--window-size=800,700", f"--user-data-dir={tempfile.mkdtemp()}"):
    options.add_argument(argument)
browser = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
browser.get(pathlib.Path(sys.argv[1]).resolve().as_uri())
table = browser.find_element("id", "Label3")
for col, row in SHOTS:
    # From the table's centre, at 20 pixels a cell, to the cell's centre.
    ActionChains(browser).move_to_element_with_offset(table, 20 * col - 130, 20 * row - 130).click().perform()
browser.find_element("tag name", "main").screenshot(sys.argv[2])
browser.quit()
