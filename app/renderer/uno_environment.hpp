#pragma once

#include <filesystem>
#include <initializer_list>
#include <string>

#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <rtl/ustring.hxx>

namespace slidemint {

// The component context of this process, bootstrapped once with the office's
// type library from programDir (later calls return the same context).
// Throws std::runtime_error with the cause when bootstrapping fails.
css::uno::Reference<css::uno::XComponentContext> localComponentContext(
    const std::filesystem::path& programDir);

rtl::OUString toOUString(const std::string& utf8);
std::string toUtf8(const rtl::OUString& text);
std::u16string toU16String(const rtl::OUString& text);

css::beans::PropertyValue makeProperty(const char* name, const css::uno::Any& value);
css::uno::Sequence<css::beans::PropertyValue> makeProperties(std::initializer_list<css::beans::PropertyValue> list);

}  // namespace slidemint
