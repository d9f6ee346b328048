// Bitmap files and thumbnails: the pixels of a surface written as a 24-bit BMP file, scaled copies
// of bitmap files made through temporary surfaces, and the ".thm" thumbnails of a folder's
// pictures. A thumbnail is an ordinary 24-bit BMP file beside its picture, named like it with the
// extension "thm". Files are written whole or not at all. The functions that write return 1 when
// the file was written and 0 (logged, with the file and the reason) when not.
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

// ---- The scale rule ------------------------------------------------------------------------------
// koef != 0: w / koef x h / koef. koef == 0 with a positive box: w x h fitted into
// FIXMAX_sir x FIXMAX_vys with the aspect kept (a small picture is enlarged). Anything else:
// 50 x 50 and a log line.
void tk_BMP_NOVE_ROZMERY(int w, int h, int koef, int FIXMAX_sir, int FIXMAX_vys, int& new_w, int& new_h);

// ---- Surfaces into files -------------------------------------------------------------------------
// The rectangle x1..x2 x y1..y2 (inclusive) of the surface. A rectangle that is empty, inverted
// or reaches outside the surface is refused.
int tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE(IDirectDrawSurface* surface, int x1, int y1, int x2, int y2,
                                     const char* file);
// The whole surface.
int tk_BMP_VYTVOR_BMP_0_celySRF_doFILE(IDirectDrawSurface* surface, const char* file);
// The whole source scaled to the scale rule's fit of its size into width x height (fit), or to
// width x height exactly (no fit).
int tk_BMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(IDirectDraw* dd, IDirectDrawSurface* source, bool fit,
                                              int width, int height, const char* file);

// ---- Bitmap files into files ---------------------------------------------------------------------
// The bitmap at its own size: a copy converted to 24 bits.
int tk_BMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(IDirectDraw* dd, const char* bitmap, const char* file);
// The whole bitmap scaled by the scale rule.
int tk_BMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* bitmap, int koef,
                                                     int FIXMAX_sir, int FIXMAX_vys, const char* file);
// Exact mode: the bitmap stretched to width x height, whatever its aspect.
int tk_BMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* bitmap, int width,
                                                      int height, const char* file);
// Band mode: the bitmap stretched to width x height, of which the rows (int)(height x top) to
// (int)((height - 1) x bottom) are written.
int tk_BMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(IDirectDraw* dd, const char* bitmap, int width,
                                                      int height, float top, float bottom, const char* file);
// Phase mode: the phase of the bitmap around (x, y), framed by the colour of its pixel (0, 0),
// fitted into FIXMAX_sir x FIXMAX_vys by the scale rule.
int tk_BMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(IDirectDraw* dd, const char* bitmap, int FIXMAX_sir,
                                                          int FIXMAX_vys, const char* file, int x, int y);

// ---- Thumbnails of a folder ----------------------------------------------------------------------
// Told before each picture of a pass (done pictures so far, their total, the picture's path) and
// once at the end (total, total, null).
using tk_BMP_Progress = void (*)(int done, int total, const char* picture, void* context);

// A picture the pass could not make a thumbnail of, and why.
enum class tk_BMP_Why { UnknownKind, Damaged, TooLarge, Unreadable };
struct tk_BMP_Missed {
    std::string picture;
    tk_BMP_Why why;
};

// Makes the missing thumbnails of the folder's pictures (tk_FSI_ListPictures): mode 1 a picture of
// the box's shape (within 2 %) stretched over it, any other fitted whole into it with its aspect
// kept, centred on white, or phase mode at (10, 10) for a picture with a ".faz" marker beside it;
// mode 2 band mode, the middle half. An existing thumbnail is left as it is; one that cannot be
// loaded is logged by name. In mode 1 a thumbnail that cannot be written beside its picture goes to
// the user's cache (tk_ThumbnailCache.h), and one already there counts as existing. Pictures that
// cannot be loaded are added to *missed when given. Returns 0.
int tk_BMP_Vytvor__bmp2thm(const char* folder, int width, int height, int mode,
                           tk_BMP_Progress progress = nullptr, void* context = nullptr,
                           std::vector<tk_BMP_Missed>* missed = nullptr);
// Where the picture's thumbnail is: beside it, else in the user's cache; "" when it has none.
std::string tk_BMP_ThumbnailOf(const char* picture);
// Lists the folder's pictures into array (room for capacity entries; *last = the index of the
// last one, -1 when none), makes each missing thumbnail in exact mode and, unless keep_paths,
// replaces each entry by the picture's bare name. The entries are heap strings (delete[]). 0, or
// -1 (logged) when the folder cannot be listed (an empty name).
int tk_BMP_Zisti_Vytvor__bmp2thm(const char* folder, bool keep_paths, IDirectDraw* dd, int width, int height,
                                 char** array, int capacity, int* last);
// The same with band mode (top 0.25, bottom 0.75).
int tk_BMP_Zisti_Vytvor__bmp2thm_s3C(const char* folder, bool keep_paths, IDirectDraw* dd, int width,
                                     int height, char** array, int capacity, int* last);
