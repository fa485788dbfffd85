// The functions the C++ side of the browser player imports (page_bridge.h). Each hands its work
// to the page's script (player.js), which owns the page's elements and its Web Audio graph.
mergeInto(LibraryManager.library, {
    vek_page_poll_event: function (out) {
        return VekPage.pollEvent(function (e) { HEAP32.set(e, out >> 2); });
    },
    vek_page_wait_event__deps: ['$Asyncify'],
    vek_page_wait_event: function (timeoutMs, out) {
        return Asyncify.handleSleep(function (wakeUp) {
            VekPage.waitEvent(timeoutMs, function (e) {
                if (e) HEAP32.set(e, out >> 2);
                wakeUp(e ? 1 : 0);
            });
        });
    },
    vek_page_show_list: function (entries, selection, visible, focused, heading) {
        var text = UTF8ToString(entries);
        VekPage.showList(text === '' ? [] : text.split('\n'), selection, !!visible, !!focused,
                         UTF8ToString(heading));
    },
    vek_page_show_entry: function (text, visible, focused) {
        VekPage.showEntry(UTF8ToString(text), !!visible, !!focused);
    },
    vek_page_memo_clear: function () { VekPage.memoClear(); },
    vek_page_memo_line: function (line) { VekPage.memoLine(UTF8ToString(line)); },
    vek_page_say: function (text) { VekPage.say(UTF8ToString(text)); },
    vek_page_splash: function (text, visible) { VekPage.splash(UTF8ToString(text), !!visible); },
    vek_page_message: function (caption, text, icon, buttons, defaultAnswer) {
        VekPage.message(UTF8ToString(caption), UTF8ToString(text), icon, buttons, defaultAnswer);
    },
    vek_page_options: function (rec, zvuk, hudba, entriesToReader, textsToReader) {
        VekPage.options([rec, zvuk, hudba], !!entriesToReader, !!textsToReader);
    },
    vek_page_closed: function () { VekPage.closed(); },
    vek_page_transcript: function (line) { VekPage.transcript.push(UTF8ToString(line)); },
    vek_page_persist: function () { VekPage.persist(); },

    vek_audio_init: function () { return VekPage.audio.init() ? 1 : 0; },
    vek_audio_load: function (samples, frames, channels, rate) {
        return VekPage.audio.load(HEAP16.subarray(samples >> 1, (samples >> 1) + frames * channels),
                                  frames, channels, rate);
    },
    vek_audio_free: function (sample) { VekPage.audio.free(sample); },
    vek_audio_play_paused: function (sample) { return VekPage.audio.playPaused(sample); },
    vek_audio_stop: function (channel) { VekPage.audio.stop(channel); },
    vek_audio_set_paused: function (channel, paused) { VekPage.audio.setPaused(channel, !!paused); },
    vek_audio_is_paused: function (channel) { return VekPage.audio.isPaused(channel) ? 1 : 0; },
    vek_audio_is_live: function (channel) { return VekPage.audio.isLive(channel) ? 1 : 0; },
    vek_audio_set_gains: function (channel, left, right) { VekPage.audio.setGains(channel, left, right); },
    vek_audio_set_loop: function (channel, loop) { VekPage.audio.setLoop(channel, !!loop); },
    vek_audio_set_position: function (channel, frame) { VekPage.audio.setPosition(channel, frame); },
    vek_audio_position: function (channel) { return VekPage.audio.position(channel); },
    vek_audio_output_latency: function () { return VekPage.audio.outputLatency(); },
});
