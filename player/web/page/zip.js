// Reads a .zip file of a game: its central directory, stored and deflated entries (the browser's
// DecompressionStream inflates them). Answers [{path, bytes}] for the files, folders left out.
'use strict';

async function readZip(data) {
    const view = new DataView(data.buffer, data.byteOffset, data.byteLength);
    let end = -1;
    for (let i = data.length - 22; i >= Math.max(0, data.length - 22 - 65535); --i)
        if (view.getUint32(i, true) === 0x06054b50) { end = i; break; }
    if (end < 0) throw new Error('není to soubor zip');
    const count = view.getUint16(end + 10, true);
    let at = view.getUint32(end + 16, true);
    const files = [];
    const utf8 = new TextDecoder('utf-8');
    // Names without the UTF-8 flag are in the packer's code page; game files' names are ASCII.
    const legacy = new TextDecoder('latin1');
    for (let n = 0; n < count; ++n) {
        if (at + 46 > data.length || view.getUint32(at, true) !== 0x02014b50)
            throw new Error('poškozený obsah');
        const flags = view.getUint16(at + 8, true);
        const method = view.getUint16(at + 10, true);
        const size = view.getUint32(at + 20, true);
        const nameLength = view.getUint16(at + 28, true);
        const extra = view.getUint16(at + 30, true);
        const comment = view.getUint16(at + 32, true);
        const local = view.getUint32(at + 42, true);
        const nameBytes = data.subarray(at + 46, at + 46 + nameLength);
        const path = ((flags & 0x800) ? utf8 : legacy).decode(nameBytes).replace(/\\/g, '/');
        at += 46 + nameLength + extra + comment;
        if (path.endsWith('/') || path.split('/').some((p) => p === '..')) continue;
        if (local + 30 > data.length || view.getUint32(local, true) !== 0x04034b50)
            throw new Error('poškozený obsah');
        const start = local + 30 + view.getUint16(local + 26, true) + view.getUint16(local + 28, true);
        const packed = data.subarray(start, start + size);
        if (packed.length !== size) throw new Error('soubor je zkrácený');
        let bytes;
        if (method === 0) bytes = packed.slice();
        else if (method === 8) bytes = await inflate(packed);
        else throw new Error(path + ': nepodporovaná komprese');
        files.push({ path, bytes });
    }
    return files;
}

async function inflate(packed) {
    const stream = new Blob([packed]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
    return new Uint8Array(await new Response(stream).arrayBuffer());
}
