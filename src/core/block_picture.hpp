// Pictures enlarged in their own file: a full-screen bar drawn at scale 1 whose art is made
// of 4x4 (or 2x2) blocks of one colour. The same picture 4 (or 2) times smaller, drawn that
// many times larger, shows exactly the same pixels and leaves the software rasteriser a
// sixteenth (a quarter) of the memory to read, which it does markedly faster.
#pragma once

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <string>

struct BlockPicture {
    const sf::Texture* texture = nullptr; // the smaller picture; nullptr when there is none
    int block = 1;                        // its pixels stand for block x block of the file's
};

// The picture at `path` with every block of 4x4 (else 2x2) equal pixels made one pixel,
// built once and kept in the one cache; block 1 and no texture when the picture is not made
// of such blocks (or cannot be read).
BlockPicture cachedBlockPicture(const std::string& path);

// Makes `sprite`, which shows a part of the picture at `path`, show the same part of the
// smaller picture, standing and looking exactly as before (origin, scale and rotation kept).
// Returns false and leaves the sprite alone when the picture has no smaller form or the part
// does not lie on whole blocks.
bool showBlockPicture(sf::Sprite* sprite, const std::string& path);
