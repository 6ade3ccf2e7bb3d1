// The browser build's figures, in the same headless Chromium: the size of what the page loads,
// raw and compressed; the time from navigation to the Design screen's first paint, against a page
// holding only an empty Qt widget window built the same way (the floor); and a growth run's time.
// Figures are medians of several runs; start-up is quoted as a ratio to the floor's.
//   node bench.cjs SITE_FOLDER QUORVEL_URL FLOOR_URL
'use strict';
const {launch, enableScreenReader} = require('./chromium.cjs');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');

const [site, quorvelUrl, floorUrl] = process.argv.slice(2);
const runs = 5;
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
const median = values => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const mb = bytes => (bytes / 1e6).toFixed(2);

function sizes() {
    let raw = 0;
    let gzip = 0;
    let brotli = 0;
    for (const name of fs.readdirSync(site)) {
        const data = fs.readFileSync(path.join(site, name));
        raw += data.length;
        gzip += zlib.gzipSync(data, {level: 9}).length;
        brotli += zlib.brotliCompressSync(data).length;
    }
    console.log(`files sent: ${mb(raw)} MB raw, ${mb(gzip)} MB with gzip -9, ${mb(brotli)} MB with brotli`);
}

// From navigation until the first window's canvas holds a painted pixel.
async function firstPaint(browser, url) {
    const page = await browser.newPage();
    await page.setViewport({width: 1366, height: 768});
    await page.setCacheEnabled(false);
    const started = Date.now();
    await page.goto(url);
    for (;;) {
        const painted = await page.evaluate(() => {
            const canvas = document.getElementById('qt-shadow-container')?.shadowRoot
                ?.querySelector('.qt-window canvas');
            if (!canvas || canvas.width === 0)
                return false;
            const {data} = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
            for (let i = 3; i < data.length; i += 4 * 97)
                if (data[i] !== 0)
                    return true;
            return false;
        }).catch(() => false);
        if (painted)
            break;
        await sleep(5);
    }
    const elapsed = Date.now() - started;
    return {page, elapsed};
}

// Water and the cutting, then "See Results" pressed until the Results screen says how far the stem grew.
async function growth(page) {
    await enableScreenReader(page);
    await sleep(300);
    for (const key of ['w', 'a']) {
        await page.keyboard.down('Alt');
        await page.keyboard.press(key);
        await page.keyboard.up('Alt');
        await sleep(200);
    }
    const started = Date.now();
    await page.keyboard.down('Alt');
    await page.keyboard.press('r');
    await page.keyboard.up('Alt');
    await page.waitForFunction(() => [...document.getElementById('qt-shadow-container').shadowRoot
        .querySelectorAll('.qt-window-a11y-container *')].some(e => e.innerText?.startsWith('The stem grew')),
        {polling: 5, timeout: 60000});
    return Date.now() - started;
}

(async () => {
    sizes();
    const browser = await launch();
    const floor = [];
    const quorvel = [];
    const grown = [];
    try {
        for (let run = 0; run < runs; run++) {
            const empty = await firstPaint(browser, floorUrl);
            floor.push(empty.elapsed);
            await empty.page.close();
            const ours = await firstPaint(browser, quorvelUrl);
            quorvel.push(ours.elapsed);
            grown.push(await growth(ours.page));
            await ours.page.close();
        }
    } finally {
        await browser.close();
    }
    console.log(`first paint, empty Qt window (the floor): median ${median(floor)} ms of ${floor.join(', ')}`);
    console.log(`first paint, Quorvel's Design screen: median ${median(quorvel)} ms of ${quorvel.join(', ')}`);
    console.log(`start-up ratio to the floor: ${(median(quorvel) / median(floor)).toFixed(2)}x`);
    console.log(`growth run (water, no mineral, a cutting): median ${median(grown)} ms of ${grown.join(', ')}`);
})();
