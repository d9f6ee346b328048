// The kinds of file a folder of pictures holds, decided in one place: which names are pictures,
// which are sounds, and which kind wins when two files share a name.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

class tk_CARRE;

// Picture extensions, the preferred first: when a.bmp and a.png both exist, a.bmp is the picture.
inline constexpr const char* tk_FSI_kPictureExtensions[] = {"bmp", "png",  "jpg",  "jpeg",
                                                            "gif", "webp", "heic", "heif"};
// Sound extensions, the preferred first: a WAV beside a picture wins over any other recording.
inline constexpr const char* tk_FSI_kSoundExtensions[] = {"wav", "ogg", "mp3", "flac"};

// The kinds as people name them, for texts that tell a user what a set may hold: the extensions in
// capitals, in the order above, joined by ", " ("BMP, PNG, ...").
std::string tk_FSI_PictureKindsText();
std::string tk_FSI_SoundKindsText();

// Appends the folder's pictures (the picture extensions in any case) to list as heap strings with
// their full paths, in listing order, one per bare name (the preferred kind where several share it). The
// listing rule of tk_FSI_Zisti_SubAdr holds ("rezia..." and "sprit..." are left out). 0, or -1 on bad
// arguments.
int tk_FSI_ListPictures(const char* folder, tk_CARRE* list);

// The sound beside a file: path with its extension replaced by each sound extension in turn, the
// extension matched in any case. True with the sound's path in out; false (out empty) when the
// file has none.
bool tk_FSI_FindSound(const char* path, char* out, std::size_t out_size);

// The sounds of one folder, listed once: answers tk_FSI_FindSound's question for any file of that
// folder without reading the folder again, so that a set of thousands of pictures is not listed
// once per picture.
class tk_FSI_SoundIndex {
  public:
    explicit tk_FSI_SoundIndex(const char* folder);
    // As tk_FSI_FindSound, for a path inside the folder.
    bool Find(const char* path, char* out, std::size_t out_size) const;

  private:
    // The sound files of each bare name, in listing order.
    std::unordered_map<std::string, std::vector<std::string>> sounds_;
};
