// GDI on surfaces and memory bitmaps: device contexts, pens, brushes, lines, shapes, pixels, copies.
//
// A device context comes from a surface (IDirectDrawSurface::GetDC: 16-bit 5-6-5 pixels) or from
// CreateCompatibleDC with a bitmap selected into it (0x00RRGGBB pixels). Drawing follows GDI's
// rules: LineTo leaves out its end point; Rectangle, Ellipse and RoundRect exclude their right and
// bottom edges, draw the pen inside that box (a wider pen is centred on the outline) and fill the
// rest with the brush; with the null pen the filled figure is one pixel narrower and lower.
// Colours are narrowed to 5-6-5 by rounding and widened back by bit replication.
#pragma once

#include "platform/base/wintypes.h"

constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
constexpr DWORD SRCCOPY = 0x00CC0020;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Pen styles; any other style draws as PS_SOLID.
constexpr int PS_SOLID = 0;
constexpr int PS_NULL = 5;

// Stock objects.
constexpr int WHITE_BRUSH = 0;
constexpr int BLACK_BRUSH = 4;
constexpr int NULL_BRUSH = 5;
constexpr int HOLLOW_BRUSH = NULL_BRUSH;
constexpr int WHITE_PEN = 6;
constexpr int BLACK_PEN = 7;
constexpr int NULL_PEN = 8;
constexpr int ANSI_VAR_FONT = 12;
constexpr int SYSTEM_FONT = 13;
constexpr int DEFAULT_GUI_FONT = 17;

// ---- device contexts ---------------------------------------------------------------------------
// A memory DC (dc is ignored: every DC is compatible); it draws into the bitmap selected into it.
HDC CreateCompatibleDC(HDC dc);
// Frees a memory DC; FALSE for any other (a surface's DC goes back with ReleaseDC).
BOOL DeleteDC(HDC dc);

// ---- objects -----------------------------------------------------------------------------------
HPEN CreatePen(int style, int width, COLORREF colour);
HBRUSH CreateSolidBrush(COLORREF colour);
HGDIOBJ GetStockObject(int which);
// Selects a pen, brush, font or (into a memory DC) bitmap; returns the one it replaces, null on
// failure. A bitmap can be selected into one DC at a time.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
// Deletes an object. Stock objects are kept; an object still selected somewhere is deleted as
// soon as the last DC lets go of it.
BOOL DeleteObject(HGDIOBJ object);

// ---- colours and modes -------------------------------------------------------------------------
COLORREF SetTextColor(HDC dc, COLORREF colour);
int SetBkMode(HDC dc, int mode);

// ---- drawing -----------------------------------------------------------------------------------
BOOL MoveToEx(HDC dc, int x, int y, LPPOINT previous);
BOOL LineTo(HDC dc, int x, int y);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);
BOOL Ellipse(HDC dc, int left, int top, int right, int bottom);
BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
// Returns the colour actually stored, or CLR_INVALID outside the target.
COLORREF SetPixel(HDC dc, int x, int y, COLORREF colour);
COLORREF GetPixel(HDC dc, int x, int y);
// Copies (SRCCOPY only) a source rectangle onto a destination rectangle, scaling by the nearest
// pixel; widths and heights must be positive. Parts outside either target are left out.
BOOL StretchBlt(HDC dest, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                int sourceWidth, int sourceHeight, DWORD rop);
