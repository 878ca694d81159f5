#include "editor/win32/drag_cursors.hpp"

#include <array>
#include <cstddef>

namespace tips::editor {

namespace {

constexpr int kSize = 32;

// '#' black, '.' white, anything else transparent. The hot spot is the arrow's tip at (0, 0).
constexpr std::array<const char*, 22> kMovePicture = {
    "#",
    "##",
    "#.#",
    "#..#",
    "#...#",
    "#....#",
    "#.....#",
    "#......#",
    "#.......#",
    "#........#",
    "#.....#####",
    "#..#..#",
    "#.# #..#",
    "##  #..#",
    "#    #..#",
    "     #..#",
    "      ##",
    "        # # # # #",
    "        .........",
    "        #.......#",
    "        .........",
    "        # # # # #",
};

constexpr std::array<const char*, 4> kCopyExtra = {
    "           # # # # #",
    "           .........",
    "           #.......#",
    "           # # # # #",
};

// Owns a cursor made with CreateCursor for the life of the process.
class TMadeCursor {
public:
    explicit TMadeCursor(HCURSOR cursor) : cursor_(cursor) {}
    TMadeCursor(const TMadeCursor&) = delete;
    TMadeCursor& operator=(const TMadeCursor&) = delete;
    ~TMadeCursor() {
        if (cursor_) DestroyCursor(cursor_);
    }
    HCURSOR get() const { return cursor_; }

private:
    HCURSOR cursor_;
};

struct TMasks {
    // AND mask: 1 keeps the screen; XOR mask: 1 inverts (or, on a cleared pixel, makes white).
    std::array<BYTE, kSize * kSize / 8> And{};
    std::array<BYTE, kSize * kSize / 8> Xor{};

    TMasks() { And.fill(0xFF); }

    void Put(int x, int y, char pixel) {
        if (x < 0 || x >= kSize || y < 0 || y >= kSize) return;
        if (pixel != '#' && pixel != '.') return;
        const std::size_t index = static_cast<std::size_t>(y * kSize + x) / 8;
        const BYTE bit = static_cast<BYTE>(0x80 >> (x % 8));
        And[index] = static_cast<BYTE>(And[index] & ~bit);
        if (pixel == '.') Xor[index] = static_cast<BYTE>(Xor[index] | bit);
    }

    template <std::size_t N>
    void Draw(const std::array<const char*, N>& picture, int top) {
        for (std::size_t row = 0; row < N; ++row) {
            for (int x = 0; picture[row][x] != '\0'; ++x) Put(x, top + static_cast<int>(row), picture[row][x]);
        }
    }
};

HCURSOR Make(bool copy) {
    TMasks masks;
    if (copy) masks.Draw(kCopyExtra, 15);
    masks.Draw(kMovePicture, 0);
    return CreateCursor(GetModuleHandleA(nullptr), 0, 0, kSize, kSize, masks.And.data(), masks.Xor.data());
}

}  // namespace

HCURSOR DragCursor(TDragCursor kind) {
    static const TMadeCursor move(Make(false));
    static const TMadeCursor copy(Make(true));
    const HCURSOR made = kind == TDragCursor::Copy ? copy.get() : move.get();
    return made ? made : LoadCursor(nullptr, IDC_ARROW);
}

}  // namespace tips::editor
