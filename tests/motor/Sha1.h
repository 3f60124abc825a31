#pragma once
// SHA-1 of a text, in hexadecimal: the digest the golden traces keep.
#include <array>
#include <cstdint>
#include <string>

inline std::string sha1Hex(const std::string& texto)
{
    std::uint32_t h[5] = {0x67452301, 0xEFCDAB89, 0x98BADCFE, 0x10325476, 0xC3D2E1F0};
    std::string m = texto;
    const std::uint64_t bits = static_cast<std::uint64_t>(texto.size()) * 8;
    m.push_back(static_cast<char>(0x80));
    while (m.size() % 64 != 56)
        m.push_back('\0');
    for (int i = 7; i >= 0; --i)
        m.push_back(static_cast<char>((bits >> (i * 8)) & 0xff));
    auto rot = [](std::uint32_t x, int n) { return (x << n) | (x >> (32 - n)); };
    for (std::size_t b = 0; b < m.size(); b += 64) {
        std::array<std::uint32_t, 80> w{};
        for (int i = 0; i < 16; ++i)
            for (int k = 0; k < 4; ++k)
                w[i] = (w[i] << 8) | static_cast<unsigned char>(m[b + i * 4 + k]);
        for (int i = 16; i < 80; ++i)
            w[i] = rot(w[i - 3] ^ w[i - 8] ^ w[i - 14] ^ w[i - 16], 1);
        std::uint32_t a = h[0], bb = h[1], c = h[2], d = h[3], e = h[4];
        for (int i = 0; i < 80; ++i) {
            std::uint32_t f, k;
            if (i < 20) {
                f = (bb & c) | (~bb & d);
                k = 0x5A827999;
            } else if (i < 40) {
                f = bb ^ c ^ d;
                k = 0x6ED9EBA1;
            } else if (i < 60) {
                f = (bb & c) | (bb & d) | (c & d);
                k = 0x8F1BBCDC;
            } else {
                f = bb ^ c ^ d;
                k = 0xCA62C1D6;
            }
            const std::uint32_t t = rot(a, 5) + f + e + k + w[i];
            e = d;
            d = c;
            c = rot(bb, 30);
            bb = a;
            a = t;
        }
        h[0] += a;
        h[1] += bb;
        h[2] += c;
        h[3] += d;
        h[4] += e;
    }
    static const char* hex = "0123456789abcdef";
    std::string out;
    for (std::uint32_t x : h)
        for (int i = 7; i >= 0; --i)
            out.push_back(hex[(x >> (i * 4)) & 0xf]);
    return out;
}
