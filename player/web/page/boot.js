// Starts the browser player: loads the module, prepares the game directory and calls main.
//   index.html                the demo, from the system menu
//   index.html?scn=NAME.scn   NAME.scn as the scenario of "Nová hra", as VEK2's first argument
//   index.html?game=FOLDER    a game the person opened earlier, kept in the browser's storage
//   &test                     the browser tests' mode: virtual time, no storage, a transcript
'use strict';

const STORE = '/store';

function mkdirs(FS, path) {
    let at = '';
    for (const part of path.split('/').filter(Boolean)) {
        at += '/' + part;
        if (!FS.analyzePath(at).exists) FS.mkdir(at);
    }
}

function syncFrom(FS) {
    return new Promise((resolve) => FS.syncfs(true, () => resolve()));
}

function syncTo(FS) {
    return new Promise((resolve) => FS.syncfs(false, () => resolve()));
}

// The demo, from game/files.json: the files the player needs at its start, then (`later`) the
// scenarios' recordings. A recording still on its way is an empty file, so the scenario's load
// finds every entry; it sounds once it has arrived.
async function fetchGameFile(FS, name) {
    const response = await fetch('game/' + name.split('/').map(encodeURIComponent).join('/'));
    if (!response.ok) throw new Error(name + ': ' + response.status);
    const bytes = new Uint8Array(await response.arrayBuffer());
    mkdirs(FS, '/game/' + name.split('/').slice(0, -1).join('/'));
    FS.writeFile('/game/' + name, bytes);
}

async function fetchDemo(FS, waitForAll) {
    const list = await (await fetch('game/files.json')).json();
    await Promise.all(list.start.map((name) => fetchGameFile(FS, name)));
    for (const name of list.later) {
        mkdirs(FS, '/game/' + name.split('/').slice(0, -1).join('/'));
        FS.writeFile('/game/' + name, new Uint8Array(0));
    }
    let left = list.later.length;
    const all = Promise.all(list.later.map(async (name) => {
        await fetchGameFile(FS, name);
        if (--left === 0 && !VekPage.test) VekPage.status('Všechny nahrávky hry jsou načtené.');
    }));
    if (waitForAll) await all;
    else all.catch((error) => VekPage.status('Některé nahrávky nelze načíst: ' + error.message));
}

// The demo's saved files, kept apart from the demo itself, back into its directory.
function restoreSaved(FS, from, to) {
    if (!FS.analyzePath(from).exists) return;
    for (const name of FS.readdir(from))
        if (name !== '.' && name !== '..' && FS.isFile(FS.stat(from + '/' + name).mode))
            FS.writeFile(to + '/' + name, FS.readFile(from + '/' + name));
}

// A folder the person opened (its files, with their paths below it) kept under the store.
async function keepGame(FS, folder, files) {
    const base = STORE + '/games/' + folder;
    for (const { path, bytes } of files) {
        mkdirs(FS, base + '/' + path.split('/').slice(0, -1).join('/'));
        FS.writeFile(base + '/' + path, bytes);
    }
    await syncTo(FS);
}

async function openChosenGame(FS, files) {
    if (!files.length) return;
    const folder = files[0].path.split('/')[0];
    const inside = files.map((f) => ({ path: f.path.split('/').slice(1).join('/'), bytes: f.bytes }))
                        .filter((f) => f.path);
    if (!inside.some((f) => /\.scn$/i.test(f.path))) {
        VekPage.status('Ve složce ' + folder + ' není žádný scénář (.scn).');
        return;
    }
    VekPage.status('Ukládám hru ' + folder + '…');
    await keepGame(FS, folder, inside);
    location.search = '?game=' + encodeURIComponent(folder);
}

function wireOpening(FS) {
    const picker = VekPage.el('open-folder');
    picker.addEventListener('change', async () => {
        const files = await Promise.all([...picker.files].map(async (file) => ({
            path: file.webkitRelativePath || file.name,
            bytes: new Uint8Array(await file.arrayBuffer()),
        })));
        await openChosenGame(FS, files);
    });
    const zip = VekPage.el('open-zip');
    zip.addEventListener('change', async () => {
        const file = zip.files[0];
        if (!file) return;
        try {
            let files = await readZip(new Uint8Array(await file.arrayBuffer()));
            // A zip of the folder's contents plays under the zip's own name.
            if (!files.every((f) => f.path.includes('/') &&
                                    f.path.split('/')[0] === files[0].path.split('/')[0]))
                files = files.map((f) => ({ path: file.name.replace(/\.zip$/i, '') + '/' + f.path,
                                            bytes: f.bytes }));
            await openChosenGame(FS, files);
        } catch (error) {
            VekPage.status('Soubor ' + file.name + ' nelze otevřít: ' + error.message);
        }
    });
}

async function boot() {
    const params = new URLSearchParams(location.search);
    VekPage.test = params.has('test');
    const game = params.get('game') || '';
    const scenario = params.get('scn') || '';
    VekPage.status('Načítám hru…');
    const Module = await createVekModule({
        print: (text) => console.log(text),
        printErr: (text) => console.warn(text),
    });
    const FS = Module.FS;
    VekPage.fs = FS;
    VekPage.times.module = performance.now();
    mkdirs(FS, STORE);
    if (!VekPage.test) {
        FS.mount(FS.filesystems.IDBFS, {}, STORE);
        await syncFrom(FS);
    }
    let dir = '/game';
    if (game && !/[/\\]|^\.\.?$/.test(game) && FS.analyzePath(STORE + '/games/' + game).exists) {
        dir = STORE + '/games/' + game;
        VekPage.storeDir = dir;
    } else {
        await fetchDemo(FS, VekPage.test);
        if (!VekPage.test) {
            VekPage.storeDir = STORE + '/demo';
            mkdirs(FS, VekPage.storeDir);
            restoreSaved(FS, VekPage.storeDir, dir);
        }
    }
    mkdirs(FS, dir + '/temp');
    VekPage.times.files = performance.now();
    wireOpening(FS);
    document.addEventListener('keydown', (e) => VekPage.onKey(e), true);
    VekPage.status(VekPage.test ? '' : 'Zvuk začne hrát prvním stiskem klávesy.');
    VekPage.el('list').focus();
    const args = (VekPage.test ? ['--test'] : []).concat(['--dir', dir]);
    if (scenario) args.push(scenario);
    Module.callMain(args);
}

boot().catch((error) => VekPage.status('Hru nelze spustit: ' + error.message));
