// SPDX-License-Identifier: GPL-3.0-or-later
#include "shell/web/page_bridge.h"

#include <emscripten.h>

#include <cstdlib>

namespace kovrel::web {
namespace {

// The page object is Module.kovrelPage (page.js). The item returned is a buffer the engine frees:
// its kind ('k' keys, 'c' command) followed by the bytes, whose count goes to *length.
// The JavaScript below uses only operators clang-format keeps whole: no ===, !== or =>.
EM_ASYNC_JS(char*, pageNextInput, (int wait, int idle, int* length), {
  const item = await Module.kovrelPage.nextInput(wait != 0, idle != 0);
  if (item == null) return 0;
  const bytes = item.bytes;
  const buffer = _malloc(bytes.length + 1);
  HEAPU8[buffer] = item.kind == 'keys' ? 107 : 99;
  HEAPU8.set(bytes, buffer + 1);
  HEAP32[length >> 2] = bytes.length;
  return buffer;
});

EM_JS(void, pageWriteTerminal, (const char* bytes, int length),
      { Module.kovrelPage.writeTerminal(HEAPU8.slice(bytes, bytes + length)); });

EM_JS(void, pagePublish, (const char* event, int eventLength, const char* json, int jsonLength), {
  const decoder = new TextDecoder();
  const eventText = decoder.decode(HEAPU8.subarray(event, event + eventLength));
  const jsonText = decoder.decode(HEAPU8.subarray(json, json + jsonLength));
  Module.kovrelPage.publish(eventText, JSON.parse(jsonText));
});

EM_ASYNC_JS(void, pageShowMessage, (const char* text),
            { await Module.kovrelPage.showMessage(UTF8ToString(text)); });

}  // namespace

PageInput nextPageInput(bool wait, bool idle) {
  int length = 0;
  char* buffer = pageNextInput(wait ? 1 : 0, idle ? 1 : 0, &length);
  if (buffer == nullptr) return {};
  PageInput input;
  input.kind = buffer[0] == 'k' ? PageInput::Kind::keys : PageInput::Kind::command;
  input.text.assign(buffer + 1, static_cast<std::size_t>(length));
  std::free(buffer);
  return input;
}

void writeTerminal(std::string_view bytes) {
  if (!bytes.empty()) pageWriteTerminal(bytes.data(), static_cast<int>(bytes.size()));
}

void publish(std::string_view event, std::string_view json) {
  pagePublish(event.data(), static_cast<int>(event.size()), json.data(),
              static_cast<int>(json.size()));
}

void showPageMessage(const std::string& text) { pageShowMessage(text.c_str()); }

void sleepMilliseconds(int milliseconds) {
  if (milliseconds > 0) emscripten_sleep(static_cast<unsigned>(milliseconds));
}

}  // namespace kovrel::web
