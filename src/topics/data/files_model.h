// The file-organisation and error-check models the DataFiles window works
// through: the index-sequential disk, hashed addresses with an overflow
// table, the bucket location, modulo-11 check digits, parity and the
// simplified cyclic redundancy check. Plain C++.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orr::data {

// Index-sequential access: ten cylinders of 200 keys, ten surfaces of 20
// keys, sectors of 2.4 keys; all numbered from 0.
struct DiskLocation {
    int cylinder = 0;
    int cylinderFirstKey = 1;
    int surface = 0;
    int surfaceFirstKey = 1;
    int sector = 0;
};
DiskLocation indexSequentialLocate(int key);
inline constexpr double kSectorKeys = 2.4;

// Hashing by squaring: the last six digits of key², padded with zeros.
std::string squareAddress(int64_t key);
// "ccsspp" read as cylinder (track), surface and sector, two digits each.
struct HashAddress {
    int cylinder = 0;
    int surface = 0;
    int sector = 0;
};
HashAddress splitAddress(const std::string& sixDigits);
// A key whose square has the same last six digits: the key ± 500000.
int64_t collidingKey(int64_t key);
// Prime-number division: integer part of key / prime.
int64_t primeDivisionAddress(int64_t key, int64_t prime = 569);
// Square root: integer part of the square root of the key, plus 1.
int64_t squareRootAddress(int64_t key);

// Where each record went: its home address, or the overflow table (its home
// slot then points to the overflow entry).
struct HashPlacement {
    std::string address;
    bool overflow = false;
    int overflowEntry = -1;  // index in the overflow table
};
std::vector<HashPlacement> placeRecords(const std::vector<int64_t>& keys);

// Locating a record in a bucket. The first key is lowered to the searched key
// when greater.
struct BucketResult {
    double firstKey = 0;
    double location = 0;  // rounded to two decimals
    int bucket = 0;
    double fraction = 0;
    int position = 1;
};
BucketResult locateInBucket(double firstKey, double firstBucket, double perBucket, double key);
// The location in the "0.##" format: up to two decimals, none when whole.
std::string locationText(double location);

// Modulo-11 weighted sum: digits from the right weighted 1, 2, 3, ...
int weightedSum(const std::string& digits);
int weightedSum(int64_t number);
inline int checkDigit(int total) { return total % 11; }
// Draws customer numbers from uniform values in [0, 1) until one has a check
// digit below 10; `next` supplies the values.
template <class Rnd> int64_t drawCustomerNumber(Rnd&& next)
{
    for (;;) {
        const int64_t n = int64_t(next() * 100000000.0 + 1);
        if (checkDigit(weightedSum(n)) != 10)
            return n;
    }
}
// The operator's entry as digits of the stored number's length: zeros in
// front, the last `length` characters kept.
std::string operatorDigits(const std::string& entryText, int length);

// Parity of a data byte.
enum class ParityMode { Even = 0, Odd = 1, None = 2 };
int byteFromBinaryDigits(double digits);  // 10011011 -> 0x9B
std::string byteDigits(int byte);         // "10011011"
int onesCount(int byte);
struct ParityResult {
    int ones = 0;
    int parityBit = -1;  // -1 without parity
    int sentOnes = 0;
    int received = 0;  // the received data byte
    int receivedOnes = 0;  // with the parity bit
    bool correct = true;
};
ParityResult checkParity(int byte, ParityMode mode, bool error, int errorBit);

// The simplified cyclic redundancy check: coefficient × the sum of the bytes squared.
int64_t crcPolynomial(const std::vector<int>& bytes, int coefficient);

}  // namespace orr::data
