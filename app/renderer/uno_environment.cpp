#include "app/renderer/uno_environment.hpp"

#include <mutex>
#include <stdexcept>

#include <cppuhelper/bootstrap.hxx>
#include <rtl/bootstrap.hxx>

namespace slidemint {

namespace {

css::uno::Reference<css::uno::XComponentContext> bootstrapContext(const std::filesystem::path& programDir) {
    // Without the office's own type library the desktop services cannot be
    // created in the remote process's name.
    rtl::Bootstrap::set("URE_BOOTSTRAP",
                        toOUString("vnd.sun.star.pathname:" + (programDir / "fundamentalrc").string()));
    try {
        return cppu::defaultBootstrap_InitialComponentContext();
    } catch (const cppu::BootstrapException& e) {
        throw std::runtime_error("the UNO runtime cannot start: " + toUtf8(e.getMessage()));
    } catch (const css::uno::Exception& e) {
        throw std::runtime_error("the UNO runtime cannot start: " + toUtf8(e.Message));
    }
}

}  // namespace

css::uno::Reference<css::uno::XComponentContext> localComponentContext(const std::filesystem::path& programDir) {
    // Kept to the end of the process on purpose: tearing the UNO runtime down
    // at exit races with the libraries it loaded.
    static std::mutex mutex;
    static auto* context = new css::uno::Reference<css::uno::XComponentContext>();
    std::lock_guard lock(mutex);
    if (!context->is()) *context = bootstrapContext(programDir);
    return *context;
}

rtl::OUString toOUString(const std::string& utf8) {
    return rtl::OUString(utf8.data(), static_cast<sal_Int32>(utf8.size()), RTL_TEXTENCODING_UTF8);
}

std::string toUtf8(const rtl::OUString& text) {
    rtl::OString bytes = rtl::OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(bytes.getStr(), static_cast<std::size_t>(bytes.getLength()));
}

std::u16string toU16String(const rtl::OUString& text) {
    return std::u16string(text.getStr(), text.getStr() + text.getLength());
}

css::beans::PropertyValue makeProperty(const char* name, const css::uno::Any& value) {
    css::beans::PropertyValue property;
    property.Name = rtl::OUString::createFromAscii(name);
    property.Value = value;
    return property;
}

css::uno::Sequence<css::beans::PropertyValue> makeProperties(std::initializer_list<css::beans::PropertyValue> list) {
    return css::uno::Sequence<css::beans::PropertyValue>(list.begin(), static_cast<sal_Int32>(list.size()));
}

}  // namespace slidemint

#if defined(__SANITIZE_ADDRESS__)
// The UNO runtime keeps its type descriptions and bridge tables for the life
// of the process and never frees them; in sanitizer builds the leak checker
// is told so, for every program that links the renderer.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libuno_cppu.so\n"
           "leak:libuno_sal.so\n"
           "leak:libuno_cppuhelpergcc3.so\n"
           "leak:libuno_salhelpergcc3.so\n"
           "leak:libbinaryurplo.so\n"
           "leak:libgcc3_uno.so\n"
           // Generated type getters cache their type descriptions for the
           // life of the process.
           "leak:cppu_detail_getUnoType\n";
}
#endif
