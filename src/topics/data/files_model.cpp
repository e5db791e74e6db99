// File-organisation models: disk indexes, hashing, buckets, check digits, parity, CRC.
#include "topics/data/files_model.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

namespace orr::data {

DiskLocation indexSequentialLocate(int key)
{
    DiskLocation d;
    d.cylinder = std::clamp((key - 1) / 200, 0, 9);
    d.cylinderFirstKey = 200 * d.cylinder + 1;
    d.surface = std::clamp((key - d.cylinderFirstKey) / 20, 0, 9);
    d.surfaceFirstKey = d.cylinderFirstKey + 20 * d.surface;
    d.sector = std::max(0, int((key - d.surfaceFirstKey) / kSectorKeys));
    return d;
}

std::string squareAddress(int64_t key)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%06lld", static_cast<long long>((key * key) % 1000000));
    return buf;
}

HashAddress splitAddress(const std::string& s)
{
    auto two = [&](std::size_t at) { return s.size() >= at + 2 ? std::stoi(s.substr(at, 2)) : 0; };
    return {two(0), two(2), two(4)};
}

int64_t collidingKey(int64_t key) { return key < 500000 ? key + 500000 : key - 500000; }

int64_t primeDivisionAddress(int64_t key, int64_t prime) { return prime > 0 ? key / prime : 0; }

int64_t squareRootAddress(int64_t key) { return int64_t(std::sqrt(double(std::max<int64_t>(key, 0)))) + 1; }

std::vector<HashPlacement> placeRecords(const std::vector<int64_t>& keys)
{
    std::vector<HashPlacement> out;
    std::map<std::string, int> taken;
    int overflow = 0;
    for (int64_t k : keys) {
        HashPlacement p;
        p.address = squareAddress(k);
        if (taken.count(p.address)) {
            p.overflow = true;
            p.overflowEntry = overflow++;
        } else {
            taken[p.address] = int(out.size());
        }
        out.push_back(p);
    }
    return out;
}

BucketResult locateInBucket(double firstKey, double firstBucket, double perBucket, double key)
{
    BucketResult r;
    r.firstKey = firstKey > key ? key : firstKey;
    if (perBucket <= 0)
        perBucket = 1;
    const double raw = (key - r.firstKey) / perBucket + firstBucket;
    r.location = std::round(raw * 100.0) / 100.0;
    r.bucket = int(std::floor(r.location));
    r.fraction = std::round((r.location - r.bucket) * 100.0) / 100.0;
    r.position = int(std::floor(r.fraction * 10 + 0.5)) + 1;
    return r;
}

std::string locationText(double location)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.2f", location);
    std::string s = buf;
    while (!s.empty() && s.back() == '0')
        s.pop_back();
    if (!s.empty() && s.back() == '.')
        s.pop_back();
    return s;
}

int weightedSum(const std::string& digits)
{
    int total = 0, weight = 1;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it)
        if (*it >= '0' && *it <= '9')
            total += (*it - '0') * weight++;
    return total;
}

int weightedSum(int64_t number) { return weightedSum(std::to_string(number < 0 ? -number : number)); }

std::string operatorDigits(const std::string& entryText, int length)
{
    const std::string padded = "0000000000" + entryText;
    return length >= int(padded.size()) ? padded : padded.substr(padded.size() - std::size_t(std::max(0, length)));
}

int byteFromBinaryDigits(double digits)
{
    long long v = std::llround(std::fabs(digits));
    int byte = 0;
    for (int bit = 0; bit < 8 && v > 0; ++bit, v /= 10)
        if (v % 10)
            byte |= 1 << bit;
    return byte;
}

std::string byteDigits(int byte)
{
    std::string s(8, '0');
    for (int bit = 0; bit < 8; ++bit)
        if (byte & (1 << bit))
            s[std::size_t(7 - bit)] = '1';
    return s;
}

int onesCount(int byte)
{
    int n = 0;
    for (int bit = 0; bit < 8; ++bit)
        n += (byte >> bit) & 1;
    return n;
}

ParityResult checkParity(int byte, ParityMode mode, bool error, int errorBit)
{
    ParityResult r;
    r.ones = onesCount(byte);
    if (mode == ParityMode::Even)
        r.parityBit = r.ones % 2 ? 1 : 0;
    else if (mode == ParityMode::Odd)
        r.parityBit = r.ones % 2 ? 0 : 1;
    r.sentOnes = r.ones + std::max(0, r.parityBit);
    r.received = byte;
    if (error)
        r.received ^= 1 << std::clamp(errorBit, 0, 7);
    r.receivedOnes = onesCount(r.received) + std::max(0, r.parityBit);
    r.correct = r.receivedOnes % 2 == r.sentOnes % 2;
    return r;
}

int64_t crcPolynomial(const std::vector<int>& bytes, int coefficient)
{
    int64_t p = 0;
    for (int b : bytes)
        p += int64_t(coefficient) * b * b;
    return p;
}

}  // namespace orr::data
