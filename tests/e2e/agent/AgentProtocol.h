#pragma once
// What the test program hands the agent inside the program under test.
#include <cstdint>
#include <string>

// The agent serves the test from one thread of its own: the test puts a
// function's name and data into shared memory, sets the request event and
// waits for the done event; the agent runs the function on the data there.
// The test makes the objects, named after the program's process id, before
// the agent loads; the agent sets the ready event once it serves.
inline std::string AgentObjectName(uint32_t pid, const char* what) {
  return "TamberloE2E-" + std::to_string(pid) + "-" + what;
}

struct Channel {
  static constexpr uint32_t Room = 32u << 20;
  char function[64];
  uint32_t size;
  uint32_t result;
  char data[8];  // Room - the header bytes follow
};

struct DropRequest {
  uint64_t window;  // the window the drop is posted to
  uint32_t wide;    // the list is UTF-16
  uint32_t bytes;   // size of list, its final terminators included
  char list[1];     // the paths, each ended by a zero, the list by one more
};

struct SyncRequest {
  uint64_t window;   // a window of the thread to watch
  uint32_t message;  // the marker message
  char event[64];    // set when the thread takes the marker from its queue
  uint32_t freeze;   // the message that holds the thread until thawed
  char frozen[64];   // set when the thread is held
  char thaw[64];     // set by the test to let it go on
};

// Filled in by the agent: the text area's vertical scroll bar.
struct ScrollState {
  uint64_t window;
  int32_t min, max, page, pos;
  uint32_t disabled;
};

// Filled in by the agent: the form's hint window.
struct HintState {
  uint64_t form;
  uint32_t initial, hide, reshow;
  uint32_t visible;
  uint32_t background;  // colour of the hint window
  char text[1024];      // the hint showing now
};

// Filled in by the agent: the font a window draws with, as the system gives it.
struct FontState {
  uint64_t window;
  int32_t height;
  int32_t weight;
  uint32_t underline;
  uint32_t charset;
  uint32_t proportional;
  char face[64];  // the face the system gave
};

// Filled in by the agent: the text area's text as the program holds it.
struct TextRequest {
  uint64_t window;
  uint32_t length;
  char text[65536];
};
