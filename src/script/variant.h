// The Variant: the one value type of the script language, with its conversions.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orr::script {

class HostObject;

// Type codes as VarType reports them.
enum class VarType : int {
    Empty = 0, Null = 1, Integer = 2, Long = 3, Single = 4, Double = 5, Currency = 6,
    Date = 7, String = 8, Object = 9, Error = 10, Boolean = 11, Variant = 12, Byte = 17,
    Array = 8192
};

// Internal tags, ordered so that every tag from TString on owns a reference count.
enum Tag : uint8_t {
    TEmpty, TNull, TBool, TByte, TInt, TLong, TSingle, TDouble, TCurrency, TDate,
    TRef,  // a by-reference argument: points at the caller's variable, never stored
    TString, TArray, TObject
};

struct RcObj {
    int refs = 1;
    virtual ~RcObj() = default;
};

class Variant;

struct StrObj final : RcObj {
    std::string s;
    explicit StrObj(std::string v) : s(std::move(v)) {}
};

struct ArrObj;
struct ObjBox;

class Variant {
public:
    Variant() : tag_(TEmpty), bits_(0) {}
    Variant(const Variant& o) : tag_(o.tag_), bits_(o.bits_) { retain(); }
    Variant(Variant&& o) noexcept : tag_(o.tag_), bits_(o.bits_) { o.tag_ = TEmpty; }
    Variant& operator=(const Variant& o)
    {
        if (this != &o) {
            o.retain();
            release();
            tag_ = o.tag_;
            bits_ = o.bits_;
        }
        return *this;
    }
    Variant& operator=(Variant&& o) noexcept
    {
        if (this != &o) {
            release();
            tag_ = o.tag_;
            bits_ = o.bits_;
            o.tag_ = TEmpty;
        }
        return *this;
    }
    ~Variant() { release(); }

    static Variant null() { Variant v; v.tag_ = TNull; return v; }
    static Variant boolean(bool b) { Variant v; v.tag_ = TBool; v.i_ = b ? -1 : 0; return v; }
    static Variant byte(int b) { Variant v; v.tag_ = TByte; v.i_ = b; return v; }
    static Variant integer(int i) { Variant v; v.tag_ = TInt; v.i_ = i; return v; }
    static Variant lng(int32_t i) { Variant v; v.tag_ = TLong; v.i_ = i; return v; }
    static Variant single(float f) { Variant v; v.tag_ = TSingle; v.f_ = f; return v; }
    static Variant dbl(double d) { Variant v; v.tag_ = TDouble; v.d_ = d; return v; }
    static Variant currency(int64_t scaled) { Variant v; v.tag_ = TCurrency; v.cy_ = scaled; return v; }
    static Variant date(double d) { Variant v; v.tag_ = TDate; v.d_ = d; return v; }
    static Variant str(std::string s);
    static Variant object(std::shared_ptr<HostObject> o);  // null pointer gives Nothing
    static Variant nothing() { Variant v; v.tag_ = TObject; v.p_ = nullptr; return v; }
    static Variant array(ArrObj* a);  // takes ownership of one reference
    static Variant ref(Variant* target) { Variant v; v.tag_ = TRef; v.ref_ = target; return v; }
    // The smallest of Integer, Long or Double that holds n.
    static Variant fromInt64(int64_t n);

    Tag tag() const { return tag_; }
    VarType varType() const;
    bool isEmpty() const { return tag_ == TEmpty; }
    bool isNull() const { return tag_ == TNull; }
    bool isString() const { return tag_ == TString; }
    bool isArray() const { return tag_ == TArray; }
    bool isObject() const { return tag_ == TObject; }
    bool isNumeric() const { return tag_ >= TBool && tag_ <= TDate; }
    bool isIntegral() const { return tag_ == TInt || tag_ == TLong || tag_ == TByte || tag_ == TBool; }

    // Raw payloads; valid only for the matching tag.
    int32_t rawInt() const { return i_; }
    double rawDouble() const { return d_; }
    float rawSingle() const { return f_; }
    int64_t rawCurrency() const { return cy_; }
    const std::string& rawString() const;
    ArrObj* rawArray() const { return reinterpret_cast<ArrObj*>(p_); }
    HostObject* rawObject() const;
    std::shared_ptr<HostObject> objectPtr() const;
    Variant* refTarget() const { return ref_; }

    // Follows a by-reference argument to the variable it names.
    Variant& deref() { return tag_ == TRef ? *ref_ : *this; }
    const Variant& deref() const { return tag_ == TRef ? *ref_ : *this; }

    // Makes the array this variant holds unshared, so it can be written.
    ArrObj* mutableArray();

    // Appends to the string this variant holds, copying it first when shared.
    void appendString(std::string_view more);

    void setIntRaw(Tag t, int32_t v) { release(); tag_ = t; i_ = v; }
    void setDoubleRaw(double v) { release(); tag_ = TDouble; d_ = v; }

private:
    void retain() const
    {
        if (tag_ >= TString && p_) ++p_->refs;
    }
    void release()
    {
        if (tag_ >= TString && p_ && --p_->refs == 0) delete p_;
    }

    Tag tag_;
    union {
        int64_t bits_;
        int32_t i_;
        float f_;
        double d_;
        int64_t cy_;
        RcObj* p_;
        Variant* ref_;
    };
};

// An array: bounds are 0 to ubound in each dimension; elements stored row by row.
struct ArrObj final : RcObj {
    std::vector<int32_t> ubounds;
    std::vector<Variant> data;
    bool fixed = false;  // declared with its size by Dim: cannot be resized

    ArrObj() = default;
    explicit ArrObj(std::vector<int32_t> ub);
    // Offset of the element for the given indexes; raises "Subscript out of range".
    size_t offset(const Variant* idx, size_t n) const;
    // Resizes, keeping elements whose indexes still exist when preserve is set.
    void resize(const std::vector<int32_t>& ub, bool preserve);
};

struct ObjBox final : RcObj {
    std::shared_ptr<HostObject> obj;
};

// Conversions, raising the language's errors when a value cannot be converted.
double toDouble(const Variant& v);
bool toBool(const Variant& v);
std::string toString(const Variant& v);
int32_t toLong(const Variant& v);      // rounds half to even; Overflow outside Long
int16_t toInteger(const Variant& v);   // rounds half to even; Overflow outside Integer
int64_t toCurrency(const Variant& v);  // scaled by 10 000
double toDate(const Variant& v);
// Objects used as values give their default property.
Variant valueOf(const Variant& v);

// Number parsing as the language does it for strings: blanks around, sign,
// decimals, exponent, &H and &O prefixes. Returns false for anything else.
bool parseNumber(std::string_view text, double& out);

// Number-to-text as the language writes numbers.
std::string formatDouble(double d);  // 15 significant digits, "1E+20" exponents
std::string formatSingle(float f);   // 7 significant digits
std::string formatCurrency(int64_t scaled);
std::string formatDate(double d);    // m/d/yyyy h:mm:ss AM, date or time part alone when the other is zero

// Round half to even, the rounding every integer conversion uses.
double roundHalfEven(double d);

std::string toLower(std::string_view s);
std::string typeName(const Variant& v);

} // namespace orr::script
