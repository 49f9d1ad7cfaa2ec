#pragma once

namespace tavrelin::design {

// An object that others know by its address, a window or a page's listener: it is never copied or
// moved.
class Pinned {
public:
    Pinned(const Pinned&) = delete;
    Pinned& operator=(const Pinned&) = delete;

protected:
    Pinned() = default;
    ~Pinned() = default;
};

}  // namespace tavrelin::design
