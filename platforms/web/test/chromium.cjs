// What the browser tests and the benchmark share: Debian's Chromium as this machine allows it,
// and Qt's accessible elements switched on as a screen reader's user does.
'use strict';
const puppeteer = require('puppeteer-core');

// Headless, with no sandbox as root, and none of Chromium's own calls home.
function launch(extraArguments = []) {
    return puppeteer.launch({
        executablePath: '/usr/bin/chromium',
        headless: true,
        args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
               '--disable-background-networking', '--disable-component-update',
               '--disable-sync', ...extraArguments],
    });
}

// Presses Qt's hidden "Enable Screen Reader" button, after which Qt puts an accessible element
// over each control, inside the shadow root that holds Qt's windows.
function enableScreenReader(page) {
    return page.evaluate(() => document.getElementById('qt-shadow-container').shadowRoot
        .querySelector('.hidden-visually-read-by-screen-reader')?.click());
}

module.exports = {launch, enableScreenReader};
