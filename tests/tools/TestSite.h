#pragma once

#include "tests/snapshot/LoopbackServer.h"

namespace lumivane::test {

/// Test pages on 127.0.0.1: /page/RRGGBB (a page of that colour with a heading), /missing (404 with
/// a body), /hang (starts an answer and never finishes it), /alert (calls alert() before it shows
/// its colour), /slow/RRGGBB (a colour page that takes slowPageMs to answer) and /moves-on (a
/// ff00ff page that goes on to /slow/00ff00 by script 200 ms after it loaded).
class TestSite : public LoopbackServer {
public:
    static constexpr int slowPageMs = 1500;

    TestSite();
};

} // namespace lumivane::test
