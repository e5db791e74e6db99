// Scripting.Dictionary and GetRef's procedure references.
#include "script/objects.h"

#include <cstdio>
#include <unordered_map>

#include "script/engine.h"
#include "script/text.h"

namespace orr::script {
namespace {

constexpr int ErrKeyExists = 457;
constexpr int ErrElementNotFound = 32811;

// Keys in insertion order; the index maps each key's identity to its place.
class Dictionary final : public HostObject {
public:
    std::string typeName() const override { return "Dictionary"; }
    bool hasMember(std::string_view n) const override
    {
        return n == "add" || n == "exists" || n == "item" || n == "items" || n == "keys" || n == "remove" ||
               n == "removeall" || n == "count" || n == "key" || n == "comparemode";
    }

    Variant invoke(std::string_view n, std::vector<Variant>& args) override
    {
        auto need = [&](size_t k) {
            if (args.size() != k) raise(ErrWrongArgs, std::string(n));
        };
        if (n == "count") {
            need(0);
            return Variant::lng(static_cast<int32_t>(entries_.size()));
        }
        if (n == "comparemode") {
            need(0);
            return Variant::lng(textMode_ ? 1 : 0);
        }
        if (n == "item" || n.empty()) {
            need(1);
            return entries_[slotFor(args[0], true)].second;
        }
        if (n == "exists") {
            need(1);
            return Variant::boolean(index_.count(identity(args[0])) != 0);
        }
        if (n == "add") {
            need(2);
            std::string id = identity(args[0]);
            if (index_.count(id)) raise(ErrKeyExists);
            index_[id] = entries_.size();
            entries_.emplace_back(args[0].deref(), args[1].deref());
            return {};
        }
        if (n == "keys" || n == "items") {
            need(0);
            auto* a = new ArrObj(std::vector<int32_t>{static_cast<int32_t>(entries_.size()) - 1});
            for (size_t i = 0; i < entries_.size(); ++i) a->data[i] = n == "keys" ? entries_[i].first : entries_[i].second;
            return Variant::array(a);
        }
        if (n == "remove") {
            need(1);
            auto it = index_.find(identity(args[0]));
            if (it == index_.end()) raise(ErrElementNotFound);
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(it->second));
            reindex();
            return {};
        }
        if (n == "removeall") {
            need(0);
            entries_.clear();
            index_.clear();
            return {};
        }
        raise(ErrNoSuchMember, std::string(n));
    }

    void assign(std::string_view n, std::vector<Variant>& args, const Variant& value) override
    {
        if (n == "item" || n.empty()) {
            if (args.size() != 1) raise(ErrWrongArgs, std::string(n));
            entries_[slotFor(args[0], true)].second = value.deref();
        } else if (n == "key") {
            if (args.size() != 1) raise(ErrWrongArgs, std::string(n));
            auto it = index_.find(identity(args[0]));
            if (it == index_.end()) raise(ErrElementNotFound);
            std::string fresh = identity(value);
            if (index_.count(fresh)) raise(ErrKeyExists);
            size_t at = it->second;
            index_.erase(it);
            index_[fresh] = at;
            entries_[at].first = value.deref();
        } else if (n == "comparemode") {
            if (!entries_.empty()) raise(ErrInvalidCall);
            textMode_ = toLong(value) == 1;
        } else {
            raise(ErrNoSuchMember, std::string(n));
        }
    }

    Variant elements() override { return invoke("keys", empty_); }

private:
    // Text keys compare by their characters (ignoring case in text mode);
    // numbers by value; objects by identity.
    std::string identity(const Variant& key0) const
    {
        const Variant& key = key0.deref();
        if (key.isString()) {
            if (!textMode_) return "s" + key.rawString();
            std::u16string u = toUtf16(key.rawString());
            for (char16_t& c : u) c = lowerUnit(c);
            return "s" + fromUtf16(u);
        }
        if (key.isObject()) {
            char buf[32];
            std::snprintf(buf, sizeof buf, "o%p", static_cast<void*>(key.rawObject()));
            return buf;
        }
        if (key.isEmpty()) return "e";
        if (key.isNull()) return "z";
        if (key.isArray()) raise(ErrTypeMismatch);
        char buf[40];
        std::snprintf(buf, sizeof buf, "n%.17g", toDouble(key));
        return buf;
    }
    // The entry for a key, added with an Empty item when missing and `add` is set.
    size_t slotFor(const Variant& key, bool add)
    {
        std::string id = identity(key);
        auto it = index_.find(id);
        if (it != index_.end()) return it->second;
        if (!add) raise(ErrElementNotFound);
        index_[id] = entries_.size();
        entries_.emplace_back(key.deref(), Variant());
        return entries_.size() - 1;
    }
    void reindex()
    {
        index_.clear();
        for (size_t i = 0; i < entries_.size(); ++i) index_[identity(entries_[i].first)] = i;
    }

    std::vector<std::pair<Variant, Variant>> entries_;
    std::unordered_map<std::string, size_t> index_;
    bool textMode_ = false;
    std::vector<Variant> empty_;
};

class ProcedureReference final : public HostObject {
public:
    ProcedureReference(Engine& e, std::shared_ptr<Proc> p) : engine_(e), proc_(std::move(p)) {}
    bool hasMember(std::string_view) const override { return false; }
    Variant invoke(std::string_view n, std::vector<Variant>& args) override
    {
        if (!n.empty()) raise(ErrNoSuchMember, std::string(n));
        return engine_.execute(*proc_, args.data(), static_cast<int>(args.size()));
    }
    Variant defaultValue() override
    {
        std::vector<Variant> none;
        return invoke("", none);
    }

private:
    Engine& engine_;
    std::shared_ptr<Proc> proc_;
};

} // namespace

std::shared_ptr<HostObject> createObject(const std::string& className)
{
    std::string lower;
    for (char c : className) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
    if (lower == "scripting.dictionary") return std::make_shared<Dictionary>();
    return nullptr;
}

std::shared_ptr<HostObject> procedureReference(Engine& engine, std::shared_ptr<Proc> proc)
{
    return std::make_shared<ProcedureReference>(engine, std::move(proc));
}

} // namespace orr::script
