#include "png_capture.h"

#include <cstdint>
#include <cstdio>
#include <vector>

// A PNG with stored (uncompressed) deflate blocks: no compression library needed.
static uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) {
    crc ^= data[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
  }
  return ~crc;
}

static void PutBigEndian(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

static void PutChunk(std::vector<uint8_t>& out, const char type[4], const std::vector<uint8_t>& data) {
  PutBigEndian(out, static_cast<uint32_t>(data.size()));
  std::vector<uint8_t> body(type, type + 4);
  body.insert(body.end(), data.begin(), data.end());
  out.insert(out.end(), body.begin(), body.end());
  PutBigEndian(out, Crc32(body.data(), body.size()));
}

static std::vector<uint8_t> Png(int width, int height, const std::vector<uint8_t>& rgbRows) {
  std::vector<uint8_t> header;
  PutBigEndian(header, static_cast<uint32_t>(width));
  PutBigEndian(header, static_cast<uint32_t>(height));
  header.insert(header.end(), {8, 2, 0, 0, 0});  // 8-bit RGB

  std::vector<uint8_t> zlib = {0x78, 0x01};
  uint32_t a = 1, b = 0;
  for (size_t pos = 0; pos < rgbRows.size() || pos == 0;) {
    size_t n = rgbRows.size() - pos > 65535 ? 65535 : rgbRows.size() - pos;
    bool last = pos + n == rgbRows.size();
    zlib.insert(zlib.end(), {static_cast<uint8_t>(last), static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8),
                             static_cast<uint8_t>(~n), static_cast<uint8_t>(~n >> 8)});
    for (size_t i = pos; i < pos + n; ++i) {
      a = (a + rgbRows[i]) % 65521;
      b = (b + a) % 65521;
    }
    zlib.insert(zlib.end(), rgbRows.begin() + pos, rgbRows.begin() + pos + n);
    pos += n;
    if (last) break;
  }
  PutBigEndian(zlib, (b << 16) | a);

  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  PutChunk(png, "IHDR", header);
  PutChunk(png, "IDAT", zlib);
  PutChunk(png, "IEND", {});
  return png;
}

bool SaveWindowPng(HWND window, const wchar_t* path) {
  RECT r;
  if (!GetWindowRect(window, &r)) return false;
  int width = r.right - r.left, height = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
  GdiFlush();

  std::vector<uint8_t> rows;
  rows.reserve(static_cast<size_t>(height) * (width * 3 + 1));
  const uint8_t* pixels = static_cast<const uint8_t*>(bits);
  for (int y = 0; y < height; ++y) {
    rows.push_back(0);  // no filter
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = pixels + (static_cast<size_t>(y) * width + x) * 4;
      rows.insert(rows.end(), {p[2], p[1], p[0]});
    }
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  std::vector<uint8_t> png = Png(width, height, rows);
  FILE* file = _wfopen(path, L"wb");
  if (!file) return false;
  bool ok = fwrite(png.data(), 1, png.size(), file) == png.size();
  return fclose(file) == 0 && ok;
}
