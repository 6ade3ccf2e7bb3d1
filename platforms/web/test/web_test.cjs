// Quorvel in headless Chromium: the page served from 127.0.0.1, driven as a pupil would, by
// mouse, touch and keyboard, in English, German and Arabic. What the program shows is read where
// a screen reader reads it: the shadow elements Qt's accessibility puts over each window, once
// its hidden "Enable Screen Reader" button is pressed, as a screen reader's user would.
// Prints one line per check and a summary line; exits non-zero on any failure.
//   node web_test.cjs URL SCREENSHOT_FOLDER
'use strict';
const path = require('path');
const {launch, enableScreenReader} = require('./chromium.cjs');

const [url, shots] = process.argv.slice(2);
const origin = new URL(url).origin;
const sleep = ms => new Promise(resolve => setTimeout(resolve, ms));
let passed = 0;
let failed = 0;

function check(name, ok, detail = '') {
    ok ? passed++ : failed++;
    console.log(`${ok ? 'PASS' : 'FAIL'}: ${name}${!ok && detail ? ` (${detail})` : ''}`);
}

// A Chromebook's screen, in the browser's language.
async function open(language, {touch = false} = {}) {
    const browser = await launch([`--lang=${language}`, `--accept-lang=${language}`]);
    const page = await browser.newPage();
    await page.setViewport({width: 1366, height: 768, hasTouch: touch, isMobile: false});
    const elsewhere = [];
    page.on('request', request => {
        const address = request.url();
        if (!address.startsWith(origin) && !/^(data|blob):/.test(address))
            elsewhere.push(address);
    });
    const crashes = [];
    page.on('pageerror', error => crashes.push(String(error)));
    const started = Date.now();
    await page.goto(url);
    await page.waitForFunction(
        () => document.getElementById('screen').style.display === 'block', {timeout: 120000});
    await waitFor(page, () => shown(page).then(w => w && w.items.length > 0), 'a window');
    const loaded = Date.now() - started;
    await enableScreenReader(page);
    await waitFor(page, () => shown(page).then(w => w.items.some(i => i.tag === 'BUTTON')),
                  'the accessible buttons');
    return {browser, page, elsewhere, crashes, loaded};
}

async function waitFor(page, condition, what, timeout = 30000) {
    const until = Date.now() + timeout;
    for (;;) {
        try {
            if (await condition())
                return true;
        } catch (error) { /* the page is between states */ }
        if (Date.now() > until)
            throw new Error(`waited ${timeout} ms for ${what}`);
        await sleep(100);
    }
}

// The windows Qt shows, each with its title and what a screen reader finds in it: each element's
// tag, text (a name or a static text), description and place on the page.
function windows(page) {
    return page.evaluate(() => {
        const root = document.getElementById('qt-shadow-container').shadowRoot;
        return [...root.querySelectorAll('.qt-window')].map(w => ({
            title: w.querySelector('.window-name')?.innerText ?? '',
            visible: w.style.display !== 'none',
            items: [...w.querySelectorAll('.qt-window-a11y-container *')].map(e => {
                const r = e.getBoundingClientRect();
                return {tag: e.tagName, text: e.tagName === 'TEXTAREA' ? e.value : e.innerText,
                        description: e.getAttribute('aria-description') ?? '',
                        x: r.x + r.width / 2, y: r.y + r.height / 2, top: r.y, right: r.right};
            }),
        }));
    });
}

// The window on top: the last one shown.
async function shown(page) {
    return (await windows(page)).filter(w => w.visible).pop();
}

async function find(page, tag, text) {
    const window = await shown(page);
    return window.items.find(i => i.tag === tag && i.text === text);
}

// What the program last said (its announcements are static texts a screen reader speaks).
async function heard(page, words, timeout = 30000, quiet = false) {
    try {
        await waitFor(page, async () => (await shown(page)).items.some(i => i.text.includes(words)),
                      `"${words}"`, timeout);
        return true;
    } catch (error) {
        if (quiet)
            return false;
        const said = (await shown(page)).items.filter(i => i.tag === 'DIV' && !i.description);
        console.log(`  (not heard: "${words}"; the window holds: ${said.map(i => i.text).join(' | ')})`);
        return false;
    }
}

async function alt(page, key) {
    await page.keyboard.down('Alt');
    await page.keyboard.press(key);
    await page.keyboard.up('Alt');
    await sleep(150);
}

// Presses a button where the pupil sees it, by mouse or by a tap.
async function press(page, caption, how) {
    const button = await find(page, 'BUTTON', caption);
    if (!button)
        throw new Error(`no button "${caption}" on ${(await shown(page)).title}`);
    if (how === 'touch')
        await page.touchscreen.tap(button.x, button.y);
    else
        await page.mouse.click(button.x, button.y);
    await sleep(150);
}

// Where the pupil sees the top of the stem. Qt's accessible element of the stem keeps the place
// and size it had before the stem grew, so the stem is found in the window's own pixels: the
// longest upright run of the stem's green (#008000), which no leaf has.
async function stemTop(page) {
    return page.evaluate(() => {
        const root = document.getElementById('qt-shadow-container').shadowRoot;
        const canvas = [...root.querySelectorAll('.qt-window')]
            .filter(w => w.style.display !== 'none').pop().querySelector('canvas');
        const box = canvas.getBoundingClientRect();
        const {data, width, height} = canvas.getContext('2d').getImageData(
            0, 0, canvas.width, canvas.height);
        const stem = (x, y) => {
            const at = (y * width + x) * 4;
            return data[at] === 0 && data[at + 1] === 128 && data[at + 2] === 0;
        };
        let best = {length: 0};
        for (let x = 0; x < width; x++) {
            for (let y = 0, run = 0; y <= height; y++) {
                if (y < height && stem(x, y)) {
                    run++;
                } else {
                    if (run > best.length)
                        best = {length: run, x, top: y - run};
                    run = 0;
                }
            }
        }
        return {x: box.x + best.x, y: box.y + best.top};
    });
}

async function photograph(page, name) {
    await sleep(500);
    await page.screenshot({path: path.join(shots, `${name}.png`)});
}

const minerals = ['Nitrogen', 'Potassium', 'Magnesium', 'Iron', 'Phosphorus', 'Calcium'];

// One experiment by mouse or touch: water, the minerals given, the cutting, the results; the
// stem and leaves heard against the outcome table, then the ruler put by "Move ruler" and a press
// beside the stem's top, and its reading heard.
async function experimentByPointer(how, given, height, leaf) {
    const {browser, page, crashes} = await open('en-GB', {touch: how === 'touch'});
    try {
        await press(page, 'Add Water', how);
        for (const mineral of given)
            await press(page, mineral, how);
        const record = (await shown(page)).items.filter(i => i.text.endsWith(' added: Yes'));
        check(`${how}: the record says Yes for exactly the minerals given`,
              record.map(i => i.text.split(' ')[0]).sort().join() === [...given].sort().join(),
              record.map(i => i.text).join('; '));
        await press(page, 'Add Cutting', how);
        await press(page, 'See Results', how);
        check(`${how}: the stem grows ${height} units with ${leaf}`,
              await heard(page, `The stem grew ${height} units. Leaves: ${leaf}`));
        await photograph(page, `results-${how}`);
        const top = await stemTop(page);
        await press(page, 'Move ruler', how);
        // To the right of the leaves, which the ruler may not be put down on.
        const x = Math.round(top.x + 140);
        const y = top.y + 1;
        if (how === 'touch')
            await page.touchscreen.tap(x, y);
        else
            await page.mouse.click(x, y);
        await photograph(page, `ruler-${how}`);
        // A ruler put down by a pointer is read by eye, and nothing is said. The keyboard's
        // outline starts where the ruler is: one step sideways tells where its zero mark is, the
        // fine step lines it up exactly as a pupil would, and Return reads the scale there.
        await alt(page, 'm');
        await page.keyboard.press('ArrowRight');
        check(`${how}: the press put the ruler's zero mark within a tenth of a unit of the stem's top`,
              await heard(page, "zero mark level with the stem's top", 3000, true) ||
              await heard(page, "zero mark 0.1 units", 3000));
        for (let press = 0; press < 6 && !(await heard(page, 'level with', 500, true)); press++) {
            const above = await heard(page, 'units above', 500, true);
            await page.keyboard.down('Shift');
            await page.keyboard.press(above ? 'ArrowDown' : 'ArrowUp');
            await page.keyboard.up('Shift');
        }
        await page.keyboard.press('Enter');
        check(`${how}: lined up, the ruler reads ${height} at the stem's foot`,
              await heard(page, `the stem runs from 0.0 to ${height} on its scale`));
        check(`${how}: no error in the page`, crashes.length === 0, crashes.join('; '));
    } finally {
        await browser.close();
    }
}

async function keyboardAndQuit() {
    const {browser, page, elsewhere, crashes, loaded} = await open('en-GB');
    try {
        console.log(`loaded: the Design screen ${loaded} ms after navigation`);
        const ax = await page.accessibility.snapshot({interestingOnly: true});
        const names = [];
        const walk = node => {
            if (node.role === 'button')
                names.push(node.name);
            (node.children || []).forEach(walk);
        };
        walk(ax);
        const wanted = [...minerals, 'Add Water', 'Add Cutting', 'See Results', 'Start again', 'Quit'];
        check("Chromium's accessibility tree names every button of the Design screen",
              wanted.every(name => names.includes(name)), names.join(', '));
        await photograph(page, 'design');

        for (const key of ['w', 'n', 'i'])
            await alt(page, key);
        check('keyboard: water, nitrogen and iron heard',
              await heard(page, 'Iron added: the record says Yes.'));
        await alt(page, 'a');
        await alt(page, 'r');
        check('keyboard: the stem grows 2.0 units with one narrow purple leaf',
              await heard(page, 'The stem grew 2.0 units. Leaves: narrow purple leaf with a wavy edge.'));
        await alt(page, 'm');
        check('keyboard: placing the ruler', await heard(page, 'Placing the ruler'));
        for (let step = 0; step < 11; step++) {
            await page.keyboard.press('ArrowDown');
            await sleep(100);
        }
        check('keyboard: eleven Downs bring the zero mark level with the stem\'s top',
              await heard(page, "zero mark level with the stem's top"));
        await page.keyboard.press('Enter');
        check('keyboard: the ruler placed reads 2.0 at the stem\'s foot',
              await heard(page, 'Ruler placed: the stem runs from 0.0 to 2.0 on its scale.'));
        await photograph(page, 'results-keyboard');

        // Ctrl+H: the notebook, with its table and Save as CSV, and no Print. (Qt for WebAssembly
        // gives a table's cells no elements of their own, so the row is read in its pixels only.)
        await page.keyboard.down('Control');
        await page.keyboard.press('h');
        await page.keyboard.up('Control');
        await waitFor(page, async () => (await shown(page)).title === 'Quorvel Notebook',
                      'the notebook');
        await sleep(500);
        const notebook = await shown(page);
        check('keyboard: Ctrl+H opens the notebook with its table and Save as CSV, without Print',
              notebook.items.some(i => i.text === 'Your experiments')
              && notebook.items.some(i => i.tag === 'BUTTON' && i.text === 'Save as CSV…')
              && !notebook.items.some(i => i.tag === 'BUTTON' && i.text === 'Print…'),
              notebook.items.map(i => i.text).join(' | '));
        await photograph(page, 'notebook');
        await page.keyboard.press('Escape');
        await waitFor(page, async () => (await shown(page)).title.endsWith('Your results'),
                      'the Results screen again');

        await alt(page, 'q');
        await waitFor(page, async () => (await shown(page)).items.some(
            i => i.text === 'Yes' || i.description === 'Do you really want to quit?'), 'the quit box');
        await photograph(page, 'quit-box');
        await page.keyboard.press('Escape');
        await sleep(500);
        check('quit answered No: the Results screen stays, and nothing else changed',
              (await shown(page)).title.endsWith('Your results') &&
              await page.evaluate(() => document.getElementById('ended').style.display !== 'block'));
        await alt(page, 'q');
        await sleep(1000);
        // By its access key: Qt places the box's accessible elements at the box's own corner,
        // not over its buttons, so there is no place to read for a click.
        await alt(page, 'y');
        await waitFor(page, () => page.evaluate(
            () => document.getElementById('ended').style.display === 'block'), 'the end page');
        const ended = await page.evaluate(() => [document.getElementById('ended-text').textContent,
                                                 document.getElementById('start-again').textContent]);
        check('quit answered Yes: the page says Quorvel has ended and offers to start again',
              ended[0] === 'Quorvel has ended.' && ended[1] === 'Start Quorvel again', ended.join(' / '));
        await photograph(page, 'ended');
        await page.click('#start-again');
        await page.waitForFunction(
            () => document.getElementById('screen').style.display === 'block', {timeout: 120000});
        check('"Start Quorvel again" starts it again on the Design screen',
              await waitFor(page, async () => (await shown(page))?.title.endsWith('Designing your experiment'),
                            'the Design screen').catch(() => false));
        check('nothing was asked of any other host', elsewhere.length === 0, elsewhere.join(' '));
        check('keyboard: no error in the page', crashes.length === 0, crashes.join('; '));
    } finally {
        await browser.close();
    }
}

// The language comes from the browser's, with the window titles, captions and the end page in it.
async function language(code, title, water) {
    const {browser, page} = await open(code);
    try {
        const window = await shown(page);
        check(`${code}: the Design screen speaks the browser's language`,
              window.title === title && window.items.some(i => i.tag === 'BUTTON' && i.text === water),
              `${window.title} / ${window.items.filter(i => i.tag === 'BUTTON').map(i => i.text).join(', ')}`);
        await photograph(page, `design-${code}`);
        await press(page, water, 'mouse');
        await alt(page, 'q');
        await sleep(1000);
        await photograph(page, `quit-box-${code}`);
        await page.keyboard.press('Escape');
    } finally {
        await browser.close();
    }
}

(async () => {
    try {
        await keyboardAndQuit();
        await experimentByPointer('mouse', minerals, '9.4', 'healthy green leaf');
        await experimentByPointer('touch', minerals.filter(m => m !== 'Phosphorus'), '3.4', 'purple leaf');
        await language('de-DE', 'Quorvel - Deinen Versuch planen', 'Wasser dazu');
        await language('ar', 'Quorvel - تصميم تجربتك', 'أضف ماء (W)');
    } catch (error) {
        check('the run went to its end', false, error.message);
    }
    console.log(`web tests: ${passed} passed, ${failed} failed`);
    process.exit(failed === 0 ? 0 : 1);
})();
