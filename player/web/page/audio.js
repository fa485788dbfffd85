// The browser player's sound device in the page: samples as two-channel audio buffers (a mono
// sound on both sides, further channels folded in as the desktop device folds them), each
// channel a buffer source through a left and a right gain. A channel is kept until its sound has
// run to its end; a paused one keeps its place.
'use strict';

class VekAudio {
    constructor() {
        this.context = null;
        this.samples = new Map();
        this.channels = new Map();
        this.nextSample = 1;
        this.nextChannel = 1;
        this.firstSoundAt = null;  // performance.now() of the first sound heard
        this.lastStartAt = null;   // performance.now() of the latest source started
    }

    init() {
        const Context = window.AudioContext || window.webkitAudioContext;
        if (!Context) return false;
        this.context = new Context({ latencyHint: 'interactive' });
        this.analyser = this.context.createAnalyser();
        this.analyser.fftSize = 2048;
        this.analyser.connect(this.context.destination);
        return true;
    }

    // Browsers let a page sound only after a person's gesture: the first key resumes the output.
    resume() {
        if (this.context && this.context.state !== 'running') this.context.resume();
    }

    now() {
        return this.context ? this.context.currentTime : 0;
    }

    load(pcm, frames, channels, rate) {
        if (!this.context || frames < 1) return 0;
        const buffer = this.context.createBuffer(2, frames, rate);
        const left = buffer.getChannelData(0);
        const right = buffer.getChannelData(1);
        const perSide = [(channels + 1) >> 1, channels >> 1];
        for (let f = 0; f < frames; ++f) {
            let sums = [0, 0];
            for (let c = 0; c < channels; ++c) sums[c & 1] += pcm[f * channels + c];
            left[f] = sums[0] / perSide[0] / 32768;
            right[f] = (channels === 1 ? sums[0] : sums[1] / perSide[1]) / 32768;
        }
        const id = this.nextSample++;
        this.samples.set(id, buffer);
        return id;
    }

    free(id) {
        this.samples.delete(id);
    }

    playPaused(sampleId) {
        const buffer = this.samples.get(sampleId);
        if (!buffer) return -1;
        const ctx = this.context;
        const ch = {
            buffer, loop: false, paused: true, offset: 0, startedAt: 0, source: null,
            left: ctx.createGain(), right: ctx.createGain(), merger: ctx.createChannelMerger(2),
            splitter: ctx.createChannelSplitter(2),
        };
        ch.splitter.connect(ch.left, 0);
        ch.splitter.connect(ch.right, 1);
        ch.left.connect(ch.merger, 0, 0);
        ch.right.connect(ch.merger, 0, 1);
        ch.merger.connect(this.analyser);
        const id = this.nextChannel++;
        this.channels.set(id, ch);
        return id;
    }

    elapsed(ch) {
        if (ch.paused) return ch.offset;
        const t = this.now() - ch.startedAt;
        return ch.loop ? t % ch.buffer.duration : t;
    }

    live(id) {
        const ch = this.channels.get(id);
        if (!ch) return null;
        if (!ch.paused && !ch.loop && this.elapsed(ch) >= ch.buffer.duration) {
            this.release(id, ch);
            return null;
        }
        return ch;
    }

    isLive(id) {
        return this.live(id) !== null;
    }

    release(id, ch) {
        this.halt(ch);
        ch.merger.disconnect();
        this.channels.delete(id);
    }

    halt(ch) {
        if (!ch.source) return;
        ch.source.onended = null;
        try { ch.source.stop(); } catch (e) { /* never started */ }
        ch.source.disconnect();
        ch.source = null;
    }

    start(ch) {
        const src = this.context.createBufferSource();
        src.buffer = ch.buffer;
        src.loop = ch.loop;
        src.connect(ch.splitter);
        const offset = Math.min(ch.offset, ch.buffer.duration);
        src.start(0, offset);
        ch.source = src;
        ch.startedAt = this.now() - offset;
        const at = performance.now();
        this.lastStartAt = at;
        if (this.firstSoundAt === null && this.context.state === 'running') this.firstSoundAt = at;
    }

    stop(id) {
        const ch = this.channels.get(id);
        if (ch) this.release(id, ch);
    }

    setPaused(id, paused) {
        const ch = this.live(id);
        if (!ch || ch.paused === paused) return;
        if (paused) {
            ch.offset = this.elapsed(ch);
            this.halt(ch);
            ch.paused = true;
        } else {
            ch.paused = false;
            this.start(ch);
        }
    }

    isPaused(id) {
        const ch = this.live(id);
        return !!ch && ch.paused;
    }

    setGains(id, left, right) {
        const ch = this.channels.get(id);
        if (!ch) return;
        ch.left.gain.value = left;
        ch.right.gain.value = right;
    }

    setLoop(id, loop) {
        const ch = this.live(id);
        if (!ch) return;
        const at = this.elapsed(ch);
        ch.loop = loop;
        if (!ch.paused) ch.startedAt = this.now() - at;
        if (ch.source) ch.source.loop = loop;
    }

    setPosition(id, frame) {
        const ch = this.live(id);
        if (!ch) return;
        ch.offset = frame / ch.buffer.sampleRate;
        if (!ch.paused) {
            this.halt(ch);
            this.start(ch);
        }
    }

    position(id) {
        const ch = this.live(id);
        if (!ch) return 0;
        return Math.floor(Math.min(this.elapsed(ch), ch.buffer.duration) * ch.buffer.sampleRate);
    }

    outputLatency() {
        const ctx = this.context;
        return ctx ? (ctx.outputLatency || 0) + (ctx.baseLatency || 0) : 0;
    }

    // The loudest sample the output carries right now (0 silence, 1 full scale).
    level() {
        const data = new Float32Array(this.analyser.fftSize);
        this.analyser.getFloatTimeDomainData(data);
        let peak = 0;
        for (const v of data) peak = Math.max(peak, Math.abs(v));
        return peak;
    }
}
