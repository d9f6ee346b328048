// The shared display state and the list of live surfaces.
#include "platform/ddraw/display_state.h"

#include <unordered_map>

#include "platform/ddraw/surface.h"

namespace tkp::ddraw {

namespace {

// Live surfaces by the address of their interface, so that a pointer from a caller is looked up
// without being dereferenced. Never destroyed, so surfaces released during static destruction
// still find it.
std::unordered_map<const void*, tkp::ddraw::Surface*>& liveSurfaces() {
    static auto* surfaces = new std::unordered_map<const void*, tkp::ddraw::Surface*>();
    return *surfaces;
}

const void* key(tkp::ddraw::Surface* surface) {
    return static_cast<IDirectDrawSurface*>(surface);
}

}  // namespace

DisplayState& Display() {
    static auto* state = new DisplayState();
    return *state;
}

void RegisterSurface(tkp::ddraw::Surface* surface) {
    liveSurfaces()[key(surface)] = surface;
}

void UnregisterSurface(tkp::ddraw::Surface* surface) {
    liveSurfaces().erase(key(surface));
}

tkp::ddraw::Surface* FindSurface(IDirectDrawSurface* surface) {
    auto found = liveSurfaces().find(static_cast<const void*>(surface));
    return found == liveSurfaces().end() ? nullptr : found->second;
}

std::vector<tkp::ddraw::Surface*> LiveSurfaces() {
    std::vector<tkp::ddraw::Surface*> all;
    for (const auto& entry : liveSurfaces()) all.push_back(entry.second);
    return all;
}

}  // namespace tkp::ddraw
