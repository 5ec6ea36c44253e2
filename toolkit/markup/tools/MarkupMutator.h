// Damaged markup for robustness runs: a few sound texts over the real
// elements (panels, text, shapes with path data, resources), mutated at random
// (deterministically, by seed). Shared by the markup_fuzz tool and the
// markup's fuzz test.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

/// Makes mutated markup texts from a corpus of sound ones.
class CMarkupMutator {
 public:
  explicit CMarkupMutator(uint32_t seed) : m_state(seed ? seed : 0x9E3779B9u) {
    const std::wstring words = Words(60);
    m_corpus = {
        L"<Grid xmlns:x='http://schemas.microsoft.com/winfx/2006/xaml' x:Name='root'>"
        L"<Grid.RowDefinitions><RowDefinition Height='Auto'/><RowDefinition/>"
        L"</Grid.RowDefinitions><Border Grid.Row='1' Padding='2, 1in, 3cm, 4'/>"
        L"<TextBlock FontSize='12pt' FontWeight='Bold' Cursor='Hand' TextWrapping='Wrap'>"
        L"Hello <Bold>big</Bold> world</TextBlock></Grid>",
        L"<Border Background='#80FF0000' BorderThickness='1'><Border.BorderBrush>"
        L"<SolidColorBrush Color='Red'/></Border.BorderBrush>"
        L"<TextBlock Width='Auto'>a</TextBlock></Border>",
        L"<TextBlock xml:space='preserve' Foreground='transparent' TextWrapping='Wrap'>  a "
        L"<![CDATA[<b>]]> <Bold>x</Bold>  " +
            words + L"</TextBlock>",
        L"<?xml version='1.0'?>\n<Canvas xmlns:x='http://schemas.microsoft.com/winfx/2006/xaml'"
        L" Name='{}{Binding}'><Canvas.Resources><SolidColorBrush x:Key='k' Color='Blue'/>"
        L"</Canvas.Resources><Path Canvas.Left='3' Stroke='{StaticResource k}'"
        L" Data='M 0,0 L 10,10 C 1,2 3,4 5,6 Q 7,8 9,9 A 5,5 0 1 1 20,20 Z'/>"
        L"<foo:Skip xmlns:foo='urn:foo'><Border/></foo:Skip><!-- note --></Canvas>",
    };
  }

  /// One case: a corpus text with one to four random mutations.
  std::wstring Next() {
    std::wstring text = m_corpus[Below(static_cast<uint32_t>(m_corpus.size()))];
    for (uint32_t n = 1 + Below(4); n > 0; --n) Mutate(&text);
    return text;
  }

 private:
  uint32_t Random() {  // xorshift32: the same seed gives the same cases everywhere
    m_state ^= m_state << 13;
    m_state ^= m_state >> 17;
    m_state ^= m_state << 5;
    return m_state;
  }
  uint32_t Below(uint32_t bound) { return bound ? Random() % bound : 0; }

  // Pieces of the syntax that the builder treats specially.
  const wchar_t* Token() {
    static const wchar_t* const tokens[] = {
        L"<",
        L">",
        L"</",
        L"/>",
        L"{",
        L"}",
        L"{}",
        L"x:",
        L"tk:",
        L".",
        L"=",
        L"'",
        L"\"",
        L"&amp;",
        L"&#0;",
        L"&#xD800;",
        L"<![CDATA[",
        L"]]>",
        L" xml:space='preserve'",
        L" Grid.Row='1'",
        L" Border.Background='Red'",
        L"<Border.Background>",
        L"<Grid.Row>",
        L"<Color>",
        L"</Color>",
        L"<StackPanel/>",
        L"<tk:Script/>",
        L"<DoubleCollection/>",
        L"{x:Type Grid}",
        L"{x:Static A.B}",
        L"{StaticResource k}",
        L"{StaticResource {StaticResource {x:Null}}}",
        L"{StaticResource {x:Static SystemColors.InfoBrushKey}}",
        L" Data='M 0 0 L 5 5 H 3 V 2 S 1 1 2 2 T 3 3 z'",
        L"M1e9,-1e9 L",
        L"A 1 1 0 1",
        L" Canvas.Left='2147483647'",
        L" Margin='99999999in'",
        L" TextWrapping='Wrap'",
        L" \t\r\n ",
        L"\x00e9",
        L"\xFEFF",
        L"<!DOCTYPE a [<!ENTITY e 'x'>]>",
        L"&e;",
        L"<?pi?>"};
    return tokens[Below(sizeof tokens / sizeof tokens[0])];
  }

  void Mutate(std::wstring* text) {
    if (text->empty()) {
      text->append(Token());
      return;
    }
    const size_t at = Below(static_cast<uint32_t>(text->size()));
    switch (Below(9)) {
      case 0:
        (*text)[at] = static_cast<wchar_t>(1 + Below(0x2FF));
        break;
      case 1:
        text->insert(at, Token());
        break;
      case 2:
        text->erase(at, 1 + Below(24));
        break;
      case 3:
        text->resize(at);
        break;
      case 4: {  // a run of one character, sometimes very long
        const size_t length = Below(8) == 0 ? 1 + Below(200000) : 1 + Below(64);
        text->insert(at, std::wstring(length, static_cast<wchar_t>(L'a' + Below(26))));
        break;
      }
      case 5: {  // nest the text in itself, as deep markup does
        const size_t depth = 1 + Below(Below(8) == 0 ? 400 : 8);
        std::wstring open, close;
        for (size_t i = 0; i < depth; ++i) {
          open += L"<Grid>";
          close += L"</Grid>";
        }
        text->insert(at, open + close);
        break;
      }
      case 6: {  // nested extensions, sometimes past the nesting limit
        const size_t depth = 1 + Below(Below(8) == 0 ? 2000 : 8);
        std::wstring nested;
        for (size_t i = 0; i < depth; ++i) nested += L"{StaticResource ";
        nested += L"{x:Null}" + std::wstring(depth, L'}');
        text->insert(at, L" Tag='" + nested + L"'");
        break;
      }
      case 7:  // words to wrap, sometimes very many
        text->insert(at, Words(Below(8) == 0 ? 1 + Below(5000) : 1 + Below(40)));
        break;
      default: {  // repeat a slice
        const size_t length = 1 + Below(64);
        text->insert(Below(static_cast<uint32_t>(text->size())), text->substr(at, length));
      }
    }
  }

  // Words of one to twelve letters, for lines to wrap.
  std::wstring Words(uint32_t count) {
    std::wstring words;
    for (uint32_t i = 0; i < count; ++i) {
      words.append(1 + Below(12), static_cast<wchar_t>(L'a' + Below(26)));
      words += L' ';
    }
    return words;
  }

  uint32_t m_state;
  std::vector<std::wstring> m_corpus;
};
