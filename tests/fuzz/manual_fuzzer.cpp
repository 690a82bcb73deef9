// The manual: whatever the bytes of Dunmar.htm, it is read and laid out into lines that
// follow one another through the whole text, at the widths the window uses, and the
// last page is found.
#include <allegro.h>

#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "ui/manual_reader.h"

namespace {

void CheckLayout(const char* text, int width) {
  ManualPage page;
  LayOutManual(page, text, width);
  const int len = static_cast<int>(strlen(text));
  int pos = -1;
  for (size_t i = 0; i < page.lines.size(); i++) {
    const ManualLine& l = page.lines[i];
    FUZZ_CHECK(l.start <= l.end && l.end <= l.next && l.next <= len,
               "line %zu: %d %d %d of %d", i, l.start, l.end, l.next, len);
    FUZZ_CHECK(l.start > pos && l.next > l.start, "line %zu goes nowhere (%d..%d)", i, l.start,
               l.next);
    FUZZ_CHECK(l.font >= kManualBody && l.font <= kManualSmall && l.endFont >= kManualBody &&
                   l.endFont <= kManualSmall,
               "line %zu: fonts %d %d", i, l.font, l.endFont);
    if (i > 0) FUZZ_CHECK(l.start == page.lines[i - 1].next, "line %zu leaves a gap", i);
    pos = l.start;
  }
  if (!page.lines.empty()) FUZZ_CHECK(page.lines.back().next == len, "the text is not all laid out");
  DIALOG d = {};
  d.w = width;
  d.h = 424;
  d.d1 = static_cast<int>(page.lines.size());
  d.dp3 = &page;
  const int last = ManualLastFirstLine(&d);
  FUZZ_CHECK(last >= 0 && (d.d1 == 0 || last < d.d1), "last page from line %d of %d", last, d.d1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzStart(true);
  static const std::string path = FuzzFile("Dunmar.htm");
  FuzzWrite(path, data, size);
  char* text = ReadManualFile(path.c_str());
  FUZZ_CHECK((text != nullptr) == (size > 0), "a manual of %zu bytes %s", size,
             text ? "was read" : "was not read");
  if (!text) return 0;
  // The window's text box, with and without room for the scroll bar, and a narrow one.
  for (int width : {594, 582, 40}) CheckLayout(text, width);
  delete[] text;
  return 0;
}
