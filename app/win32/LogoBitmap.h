#pragma once

#include <windows.h>

// The product logo from the program's resources, decoded with WIC into a premultiplied
// 32-bit bitmap: scaled down to fit the area with its aspect ratio kept, never enlarged.
class LogoBitmap {
public:
    LogoBitmap() = default;
    LogoBitmap(const LogoBitmap&) = delete;
    LogoBitmap& operator=(const LogoBitmap&) = delete;
    ~LogoBitmap();

    // False when the picture cannot be decoded; the area then stays empty.
    bool load(int areaWidth, int areaHeight);
    // Blends the picture over what is drawn at the area's top-left corner.
    void draw(HDC target, int left, int top) const;

private:
    HBITMAP m_bitmap = nullptr;
    int m_width = 0;
    int m_height = 0;
};
