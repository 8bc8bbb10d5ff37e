#include "engine/CmdMessage.h"
#include "fixtures/CommandKit.h"

#include <algorithm>

namespace {

class MessageCommand : public CommandTest {
protected:
    enum { PLACE = 0, TIME_MODE = 6, TIME = 7, STOP = 8, ID_SWITCH = 12, ID = 13, ERASE = 15, SHORT = 17 };

    static cEdCommand Message(const std::string& text, std::initializer_list<std::pair<int, std::int32_t>> set,
                              std::int16_t wait = 0) {
        cEdCommand c = Command(19, {}, wait);
        c.strText = text;
        for (auto [i, v] : set) c.vParam.At(i) = v;
        return c;
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> t;
        for (const cMessageArgs& m : harness.messages) t.push_back(m.strText);
        return t;
    }
    std::vector<std::string> Holds() const {
        std::vector<std::string> h;
        for (const std::string& r : harness.requests)
            if (r.rfind("hold", 0) == 0 || r.rfind("se ", 0) == 0) h.push_back(r);
        return h;
    }
};

TEST_F(MessageCommand, IdsReplaceSetUpAgainOrErase) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    struct Step {
        cEdCommand cmd;
        std::vector<std::string> texts;
    };
    auto id = [](int n) { return std::pair<int, std::int32_t>{ID, n}; };
    const std::pair<int, std::int32_t> on{ID_SWITCH, 1}, erase{ERASE, 1};
    Step steps[] = {
        {Message("hello", {on, id(5)}), {"hello"}},
        {Message("plain", {}), {"hello", "plain"}},
        {Message("world", {on, id(5)}), {"world", "plain"}},           // same size: set up in place
        {Message("longer text", {on, id(5)}), {"longer text", "plain"}}, // another size: replaced in place
        {Message("x", {on, id(9), erase}), {"longer text", "plain"}},    // no such id: nothing
        {Message("x", {erase, id(5)}), {"longer text", "plain"}},        // erasing needs the id switch
        {Message("x", {on, id(5), erase}), {"plain"}},
        {Message("plain", {id(5)}), {"plain", "plain"}}, // without the id switch: appended
    };
    int n = 0;
    for (Step& s : steps) {
        RunOnce(c, s.cmd);
        EXPECT_EQ(Texts(), s.texts) << "step " << n++;
    }
    EXPECT_TRUE(harness.Asked("message 0 reused"));
    EXPECT_FALSE(harness.messages.back().bIdSwitch);
}

TEST_F(MessageCommand, AnchorAndFrames) {
    cHeroChara& h = AddHero(Def(), 2, 2);
    cNpcChara& c = AddNpc(Def(), 4, 4);
    struct Case {
        std::int32_t place, shortTime;
        std::int32_t anchor, frames;
    };
    for (const Case k : {Case{0, 0, 0, 30}, Case{1, 0, c.nId, 30}, Case{3, 1, c.nId, 1}, Case{4, 0, h.nId, 30},
                         Case{6, 1, h.nId, 1}, Case{8, 0, 0, 30}}) {
        cEdCommand cmd = Message("m", {{PLACE, k.place}, {TIME_MODE, 2}, {TIME, 5}, {SHORT, k.shortTime}});
        RunOnce(c, cmd);
        EXPECT_EQ(harness.messages.back().nAnchor, k.anchor) << k.place;
        EXPECT_EQ(harness.messages.back().nFrames, k.frames) << k.place;
    }
}

TEST_F(MessageCommand, StopSwitchHoldsTheGameAndTakesTheWindowAway) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    std::vector<std::vector<std::string>> during;
    harness.onHold = [&] { during.push_back(Texts()); };
    struct Case {
        std::int32_t timeMode;
        const char* hold;
        bool sound;
    };
    const Case cases[] = {
        {0, "hold 1 key 1 frames 0 delay 10", true},
        {2, "hold 1 key 0 frames 60 delay 0", false},
        {1, "hold 1 key 1 frames 0 delay 10", true}, // no job of its own: waits for the key
    };
    for (const Case& k : cases) {
        harness.requests.clear();
        during.clear();
        cEdCommand cmd = Message("held", {{STOP, 1}, {TIME_MODE, k.timeMode}, {TIME, 10}});
        RunOnce(c, cmd);
        EXPECT_TRUE(harness.Asked(k.hold)) << k.timeMode;
        EXPECT_EQ(harness.Asked("se 11"), k.sound) << k.timeMode;
        EXPECT_EQ(during, std::vector<std::vector<std::string>>{{"held"}});
        EXPECT_TRUE(harness.messages.empty());
    }
}

TEST_F(MessageCommand, AHeldWindowPutInPlaceOfAnotherIsTheOneRemoved) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    cEdCommand a = Message("a", {{ID_SWITCH, 1}, {ID, 5}});
    cEdCommand b = Message("b", {});
    cEdCommand held = Message("ccc", {{ID_SWITCH, 1}, {ID, 5}, {STOP, 1}});
    RunOnce(c, a);
    RunOnce(c, b);
    std::vector<std::string> during;
    harness.onHold = [&] { during = Texts(); };
    RunOnce(c, held);
    EXPECT_EQ(during, (std::vector<std::string>{"ccc", "b"}));
    EXPECT_EQ(Texts(), std::vector<std::string>{"b"});
}

TEST_F(MessageCommand, KeyWaitsInARowOpenWithOneSound) {
    // Two key-wait messages in a flow: the second follows on the first.
    // The second lasts a second: it is shown and held once all the same.
    WithFlow({Message("one", {{STOP, 1}}), Message("two", {{STOP, 1}}, 10)});
    for (int i = 0; i < 6; ++i) Frame();
    EXPECT_EQ(Holds(), (std::vector<std::string>{"se 11", "hold 1 key 1 frames 0 delay 10",
                                                 "hold 1 key 1 frames 0 delay 0"}));
    EXPECT_TRUE(harness.messages.empty());
}

TEST_F(MessageCommand, InAnItemsListTheSecondMessageFollowsOnTheFirst) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    for (int i = 0; i < 2; ++i) {
        cEdCommand cmd = Message("item", {{STOP, 1}});
        cmd.bFlow = 1;
        cmd.cKind = 4;
        RunOnce(c, cmd);
    }
    EXPECT_EQ(Holds(), (std::vector<std::string>{"se 11", "hold 1 key 1 frames 0 delay 10",
                                                 "hold 1 key 1 frames 0 delay 0"}));
}

TEST_F(MessageCommand, NothingWhileTheProgramCloses) {
    cNpcChara& c = AddNpc(Def(), 4, 4);
    scene().nQuit = 1;
    cEdCommand cmd = Message("m", {{STOP, 1}});
    RunOnce(c, cmd);
    EXPECT_TRUE(harness.requests.empty());
}

} // namespace
