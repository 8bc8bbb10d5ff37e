// The checked-access fault line gives the element's size in this program for
// the tables the drawing reads: surface records and animation frame tables.
#include "fixtures/ErrorLogCapture.h"
#include "fixtures/TempDir.h"
#include "graphics/SurfaceData.h"
#include "records/AnimeFrame.h"

#include <gtest/gtest.h>

namespace {

template <class T> std::string BadIndexLine() {
    TempDir dir;
    cErrorLogCapture log;
    cVector<T> table(2);
    table.At(2);
    return log.Text();
}

TEST(FaultLineSize, RealTablesGiveTheirElementSize) {
    const struct {
        std::string line;
        std::size_t size;
    } cases[] = {{BadIndexLine<DDSURFACEDATA>(), sizeof(DDSURFACEDATA)},
                 {BadIndexLine<AnimeFrames>(), sizeof(AnimeFrames)},
                 {BadIndexLine<ANIMEFRAME>(), sizeof(ANIMEFRAME)}};
    for (const auto& c : cases) EXPECT_EQ(c.line, "err V[2] ( 2 , " + std::to_string(c.size) + " )\n");
}

} // namespace
