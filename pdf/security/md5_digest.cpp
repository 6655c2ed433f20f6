#include "pdf/security/md5_digest.hpp"

namespace slidemint {

TMD5::TMD5() { md5_init(&context_); }

TMD5& TMD5::Update(std::span<const std::uint8_t> bytes) {
    md5_update(&context_, bytes.size(), bytes.data());
    return *this;
}

TMD5& TMD5::Update(std::string_view bytes) {
    md5_update(&context_, bytes.size(), reinterpret_cast<const std::uint8_t*>(bytes.data()));
    return *this;
}

TMD5Digest TMD5::Final() {
    TMD5Digest digest{};
    md5_digest(&context_, digest.size(), digest.data());
    return digest;
}

TMD5Digest MD5Of(std::span<const std::uint8_t> bytes) { return TMD5().Update(bytes).Final(); }

}  // namespace slidemint
