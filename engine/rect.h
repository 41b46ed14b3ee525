// Rectangles in client pixels, with the union rule every dirty area follows.
#pragma once
#include <cstdint>

struct TRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

inline bool IsEmpty(const TRect& r) { return r.right <= r.left || r.bottom <= r.top; }

inline bool operator==(const TRect& a, const TRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// An empty side contributes nothing; two empty sides give (0, 0, 0, 0).
inline TRect Unite(const TRect& a, const TRect& b) {
    if (IsEmpty(a)) return IsEmpty(b) ? TRect{} : b;
    if (IsEmpty(b)) return a;
    return {a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
            a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}
