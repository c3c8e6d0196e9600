#pragma once

// The texts that the searches answer with, shared by the window and tovrel2-find.
namespace tovrel::messages {

inline constexpr char kEmptyInput[] = "Please Enter The Word First";
inline constexpr char kNoSymbols[] = "Please check the word you entered. No symbols allowed";
inline constexpr char kNoResult[] = "Sorry No anagrams with those words";
inline constexpr char kResultSeparator[] = ", ";

} // namespace tovrel::messages
