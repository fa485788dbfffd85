// The page's side of the browser player: functions written in JavaScript (page/bridge.js) that
// the C++ side calls. Texts cross as UTF-8; everything the core holds stays code page 1250.
#pragma once

#include <cstdint>

extern "C" {

// The page's events, in the order they happened: keys, ticks asked by a test, answers of the
// dialogs. `out` receives the kind and three numbers (page_events.h).
int vek_page_poll_event(int* out);
// Like vek_page_poll_event, but sleeps (the page goes on) up to `timeoutMs` for an event.
int vek_page_wait_event(int timeoutMs, int* out);

// What the page shows. Entries are separated by line feeds.
void vek_page_show_list(const char* entries, int selection, int visible, int focused,
                        const char* heading);
void vek_page_show_entry(const char* text, int visible, int focused);
void vek_page_memo_clear();
void vek_page_memo_line(const char* line);
void vek_page_say(const char* utf8);
void vek_page_splash(const char* text, int visible);
void vek_page_message(const char* caption, const char* text, int icon, int buttons,
                      int defaultAnswer);
void vek_page_options(int rec, int zvuk, int hudba, int entriesToReader, int textsToReader);
void vek_page_closed();
void vek_page_transcript(const char* line);
// The files the player writes (configuration, positions) went into the browser's storage.
void vek_page_persist();

// Web Audio. Samples are 16-bit, interleaved; the page answers a handle (0: none).
int vek_audio_init();
int vek_audio_load(const std::int16_t* samples, int frames, int channels, int rate);
void vek_audio_free(int sample);
int vek_audio_play_paused(int sample);
void vek_audio_stop(int channel);
void vek_audio_set_paused(int channel, int paused);
int vek_audio_is_paused(int channel);
int vek_audio_is_live(int channel);
void vek_audio_set_gains(int channel, double left, double right);
void vek_audio_set_loop(int channel, int loop);
void vek_audio_set_position(int channel, double frame);
double vek_audio_position(int channel);
double vek_audio_output_latency();
}
