#include "hostsimSvgCss.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>
#include <utility>
#include <unordered_map>
#include <vector>

namespace hostsim {

namespace hostsimSvgCss_detail {

bool space(char c)
{
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

std::string trim(const std::string& s)
{
  size_t a = 0, b = s.size();
  while (a < b && space(s[a]))
    ++a;
  while (b > a && space(s[b - 1]))
    --b;
  return s.substr(a, b - a);
}

struct Compound;

// One simple selector of a compound: #id, .class, [attr op value], or a pseudo-class.
struct Simple
{
  enum Kind
  {
    Id,
    Class,
    Attr,
    Root,
    Empty,
    Nth,     // :nth-child and its kin: a n + b, counted from the end and/or among the same type
    Not,
  } kind = Id;
  std::string name, value;
  char op = 0; // attribute: 0 present, '=', '~', '|', '^', '$', '*'
  long a = 0, b = 0;
  bool fromEnd = false, ofType = false;
  std::vector<Compound> inner; // :not()

  static Simple of(Kind kind, std::string name)
  {
    Simple s;
    s.kind = kind;
    s.name = std::move(name);
    return s;
  }
};

struct Compound
{
  std::string type; // empty: any element
  std::vector<Simple> simples;
};

struct Selector
{
  std::vector<Compound> compounds;  // left to right
  std::vector<char> combinators;    // between compound i and i + 1: ' ', '>', '+', '~'
  int specificity = 0;
};

struct Declaration
{
  std::string name, value;
  bool important = false;
};

struct Rule
{
  Selector selector;
  size_t order;
  const std::vector<Declaration>* declarations;
  // The rule's text, kept in the sheet when it matched nothing here (it may match included content).
  std::string text;
  bool matchedAny = false;
};

class SelectorParser
{
public:
  explicit SelectorParser(std::string s) : s_(std::move(s)) {}

  // False when the selector uses anything not supported.
  bool parse(Selector& out)
  {
    skipSpace();
    while (true) {
      Compound c;
      if (!compound(c, out.specificity))
        return false;
      out.compounds.push_back(std::move(c));
      bool hadSpace = skipSpace();
      if (p_ == s_.size())
        return true;
      char comb = ' ';
      if (s_[p_] == '>' || s_[p_] == '+' || s_[p_] == '~') {
        comb = s_[p_++];
        skipSpace();
      } else if (!hadSpace) {
        return false;
      }
      out.combinators.push_back(comb);
    }
  }

private:
  bool skipSpace()
  {
    size_t from = p_;
    while (p_ < s_.size() && space(s_[p_]))
      ++p_;
    return p_ > from;
  }
  static bool nameChar(char c)
  {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_' || static_cast<unsigned char>(c) >= 0x80;
  }
  std::string name()
  {
    size_t from = p_;
    while (p_ < s_.size() && (nameChar(s_[p_]) || (s_[p_] == '\\' && p_ + 1 < s_.size() && ++p_)))
      ++p_;
    std::string n = s_.substr(from, p_ - from);
    n.erase(std::remove(n.begin(), n.end(), '\\'), n.end());
    return n;
  }
  bool compound(Compound& c, int& specificity)
  {
    bool any = false;
    if (p_ < s_.size() && s_[p_] == '*') {
      ++p_;
      any = true;
    } else if (p_ < s_.size() && nameChar(s_[p_])) {
      c.type = name();
      specificity += 1;
      any = true;
    }
    while (p_ < s_.size()) {
      char k = s_[p_];
      if (k == '#' || k == '.') {
        ++p_;
        Simple s = Simple::of(k == '#' ? Simple::Id : Simple::Class, name());
        if (s.name.empty())
          return false;
        specificity += k == '#' ? 10000 : 100;
        c.simples.push_back(std::move(s));
      } else if (k == '[') {
        ++p_;
        skipSpace();
        Simple s = Simple::of(Simple::Attr, name());
        skipSpace();
        if (s.name.empty() || p_ >= s_.size())
          return false;
        if (s_[p_] != ']') {
          if (std::strchr("~|^$*", s_[p_]) && p_ + 1 < s_.size() && s_[p_ + 1] == '=')
            s.op = s_[p_++];
          else if (s_[p_] == '=')
            s.op = '=';
          else
            return false;
          ++p_;
          skipSpace();
          if (p_ < s_.size() && (s_[p_] == '"' || s_[p_] == '\'')) {
            size_t end = s_.find(s_[p_], p_ + 1);
            if (end == std::string::npos)
              return false;
            s.value = s_.substr(p_ + 1, end - p_ - 1);
            p_ = end + 1;
          } else {
            s.value = name();
          }
          skipSpace();
          if (p_ >= s_.size() || s_[p_] != ']')
            return false;
        }
        ++p_;
        specificity += 100;
        c.simples.push_back(std::move(s));
      } else if (k == ':') {
        ++p_;
        if (p_ < s_.size() && s_[p_] == ':')
          return false; // a pseudo-element
        std::string n = name();
        std::transform(n.begin(), n.end(), n.begin(), [](char ch) { return static_cast<char>(std::tolower(ch)); });
        std::string arg;
        bool call = p_ < s_.size() && s_[p_] == '(';
        if (call) {
          int depth = 0;
          size_t from = ++p_;
          for (; p_ < s_.size(); ++p_) {
            if (s_[p_] == '(')
              ++depth;
            else if (s_[p_] == ')' && depth-- == 0)
              break;
          }
          if (p_ >= s_.size())
            return false;
          arg = trim(s_.substr(from, p_ - from));
          ++p_;
        }
        Simple s = Simple::of(Simple::Root, n);
        if (!call && n == "root") {
          s.kind = Simple::Root;
        } else if (!call && n == "empty") {
          s.kind = Simple::Empty;
        } else if (call && n == "not") {
          s.kind = Simple::Not;
          // A list of compounds; its most specific one counts.
          int best = 0;
          size_t from = 0;
          for (size_t i = 0; i <= arg.size(); ++i)
            if (i == arg.size() || arg[i] == ',') {
              SelectorParser inner(trim(arg.substr(from, i - from)));
              Selector sel;
              if (!inner.parse(sel) || sel.compounds.size() != 1)
                return false;
              best = std::max(best, sel.specificity);
              s.inner.push_back(std::move(sel.compounds[0]));
              from = i + 1;
            }
          specificity += best;
          c.simples.push_back(std::move(s));
          any = true;
          continue;
        } else if (!nth(n, call, arg, s)) {
          return false;
        }
        specificity += 100;
        c.simples.push_back(std::move(s));
      } else {
        break;
      }
      any = true;
    }
    return any;
  }
  // The structural pseudo-classes as a n + b counts.
  static bool nth(const std::string& n, bool call, const std::string& arg, Simple& s)
  {
    s.kind = Simple::Nth;
    s.ofType = n.find("of-type") != std::string::npos;
    s.fromEnd = n.find("last") != std::string::npos;
    if (!call) {
      if (n == "first-child" || n == "last-child" || n == "first-of-type" || n == "last-of-type") {
        s.a = 0, s.b = 1;
        return true;
      }
      if (n == "only-child" || n == "only-of-type") {
        s.a = -1; // both first and last
        return true;
      }
      return false;
    }
    if (n != "nth-child" && n != "nth-last-child" && n != "nth-of-type" && n != "nth-last-of-type")
      return false;
    std::string t;
    for (char c : arg)
      if (!space(c))
        t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (t == "odd")
      t = "2n+1";
    else if (t == "even")
      t = "2n";
    size_t at = t.find('n');
    try {
      if (at == std::string::npos) {
        s.a = 0;
        s.b = std::stol(t);
        return true;
      }
      std::string a = t.substr(0, at), b = t.substr(at + 1);
      s.a = a.empty() || a == "+" ? 1 : a == "-" ? -1 : std::stol(a);
      s.b = b.empty() ? 0 : std::stol(b);
      // a and b may only be integers.
      return (a.empty() || a.find_first_not_of("+-0123456789") == std::string::npos) &&
             (b.empty() || ((b[0] == '+' || b[0] == '-') && b.find_first_not_of("0123456789", 1) == std::string::npos));
    } catch (...) {
      return false;
    }
  }

  std::string s_;
  size_t p_ = 0;
};

pugi::xml_node elementParent(const pugi::xml_node& n)
{
  pugi::xml_node p = n.parent();
  return p && p.type() == pugi::node_element ? p : pugi::xml_node();
}

pugi::xml_node previousElement(pugi::xml_node n)
{
  for (n = n.previous_sibling(); n; n = n.previous_sibling())
    if (n.type() == pugi::node_element)
      return n;
  return {};
}

bool hasWord(const char* list, const std::string& word, const char* separators)
{
  std::string s = list;
  size_t i = 0;
  while (i < s.size()) {
    size_t end = s.find_first_of(separators, i);
    if (end == std::string::npos)
      end = s.size();
    if (s.compare(i, end - i, word) == 0 && end - i == word.size())
      return true;
    i = end + 1;
  }
  return false;
}

bool matches(const pugi::xml_node& e, const Compound& c);

// The place of e among its element siblings (of its type), 1 at the start (or the end).
long position(const pugi::xml_node& e, bool fromEnd, bool ofType)
{
  long n = 1;
  for (pugi::xml_node s = fromEnd ? e.next_sibling() : e.previous_sibling(); s;
       s = fromEnd ? s.next_sibling() : s.previous_sibling())
    if (s.type() == pugi::node_element && (!ofType || !std::strcmp(s.name(), e.name())))
      ++n;
  return n;
}

bool nthMatches(long a, long b, long pos)
{
  if (a == 0)
    return pos == b;
  long k = pos - b;
  return k % a == 0 && k / a >= 0;
}

bool matches(const pugi::xml_node& e, const Simple& s)
{
  switch (s.kind) {
  case Simple::Id: return s.name == e.attribute("id").value();
  case Simple::Class: return hasWord(e.attribute("class").value(), s.name, " \t\r\n\f");
  case Simple::Attr: {
    pugi::xml_attribute a = e.attribute(s.name.c_str());
    if (!a)
      return false;
    std::string v = a.value();
    switch (s.op) {
    case 0: return true;
    case '=': return v == s.value;
    case '~': return hasWord(v.c_str(), s.value, " \t\r\n\f");
    case '|': return v == s.value || v.rfind(s.value + "-", 0) == 0;
    case '^': return !s.value.empty() && v.rfind(s.value, 0) == 0;
    case '$': return !s.value.empty() && v.size() >= s.value.size() && v.compare(v.size() - s.value.size(), s.value.size(), s.value) == 0;
    case '*': return !s.value.empty() && v.find(s.value) != std::string::npos;
    }
    return false;
  }
  case Simple::Root: return e.parent().type() == pugi::node_document;
  case Simple::Empty:
    for (pugi::xml_node c : e.children())
      if (c.type() == pugi::node_element || ((c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata) && *c.value()))
        return false;
    return true;
  case Simple::Nth:
    if (!elementParent(e))
      return s.a == -1 || nthMatches(s.a, s.b, 1);
    if (s.a == -1)
      return position(e, false, s.ofType) == 1 && position(e, true, s.ofType) == 1;
    return nthMatches(s.a, s.b, position(e, s.fromEnd, s.ofType));
  case Simple::Not:
    return std::none_of(s.inner.begin(), s.inner.end(), [&](const Compound& c) { return matches(e, c); });
  }
  return false;
}

bool matches(const pugi::xml_node& e, const Compound& c)
{
  if (!c.type.empty() && c.type != e.name())
    return false;
  return std::all_of(c.simples.begin(), c.simples.end(), [&](const Simple& s) { return matches(e, s); });
}

// Whether e matches compounds[0..i] with compound i on e itself.
bool matchesUpTo(const pugi::xml_node& e, const Selector& sel, size_t i)
{
  if (!matches(e, sel.compounds[i]))
    return false;
  if (i == 0)
    return true;
  switch (sel.combinators[i - 1]) {
  case '>': {
    pugi::xml_node p = elementParent(e);
    return p && matchesUpTo(p, sel, i - 1);
  }
  case '+': {
    pugi::xml_node p = previousElement(e);
    return p && matchesUpTo(p, sel, i - 1);
  }
  case '~':
    for (pugi::xml_node p = previousElement(e); p; p = previousElement(p))
      if (matchesUpTo(p, sel, i - 1))
        return true;
    return false;
  default:
    for (pugi::xml_node p = elementParent(e); p; p = elementParent(p))
      if (matchesUpTo(p, sel, i - 1))
        return true;
    return false;
  }
}

std::vector<Declaration> declarations(const std::string& block)
{
  std::vector<Declaration> out;
  size_t i = 0;
  while (i < block.size()) {
    // A declaration ends at a semicolon outside quotes and parentheses.
    size_t end = i;
    int depth = 0;
    char quote = 0;
    for (; end < block.size(); ++end) {
      char c = block[end];
      if (quote) {
        if (c == quote)
          quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '(') {
        ++depth;
      } else if (c == ')') {
        depth = std::max(0, depth - 1);
      } else if (c == ';' && depth == 0) {
        break;
      }
    }
    std::string decl = block.substr(i, end - i);
    i = end + 1;
    size_t colon = decl.find(':');
    if (colon == std::string::npos)
      continue;
    Declaration d{trim(decl.substr(0, colon)), trim(decl.substr(colon + 1))};
    size_t bang = d.value.rfind('!');
    if (bang != std::string::npos) {
      std::string flag = trim(d.value.substr(bang + 1));
      std::transform(flag.begin(), flag.end(), flag.begin(), [](char c) { return static_cast<char>(std::tolower(c)); });
      if (flag == "important") {
        d.important = true;
        d.value = trim(d.value.substr(0, bang));
      }
    }
    if (!d.name.empty() && !d.value.empty())
      out.push_back(std::move(d));
  }
  return out;
}

std::string withoutComments(const std::string& text)
{
  std::string out;
  for (size_t i = 0; i < text.size();) {
    if (text.compare(i, 2, "/*") == 0) {
      size_t end = text.find("*/", i + 2);
      i = end == std::string::npos ? text.size() : end + 2;
      out += ' ';
    } else {
      out += text[i++];
    }
  }
  return out;
}

// The end of the block that opens at text[open] ('{'), just past its '}'.
size_t blockEnd(const std::string& text, size_t open)
{
  int depth = 0;
  for (size_t i = open; i < text.size(); ++i) {
    if (text[i] == '{')
      ++depth;
    else if (text[i] == '}' && --depth == 0)
      return i + 1;
  }
  return text.size();
}

struct Sheet
{
  std::vector<std::vector<Declaration>> blocks;
  std::vector<Rule> rules;
  // What stays in the style element: at-rules and rules it could not read, which match as before.
  std::string kept;
};

void readSheet(const std::string& raw, Sheet& sheet)
{
  std::string text = withoutComments(raw);
  size_t i = 0;
  // Blocks are referred to by index until every rule is read, as the vector grows.
  struct Pending
  {
    Selector selector;
    size_t block;
    std::string text;
  };
  std::vector<Pending> pending;
  while (i < text.size()) {
    while (i < text.size() && (space(text[i]) || text.compare(i, 4, "<!--") == 0 || text.compare(i, 3, "-->") == 0))
      i += space(text[i]) ? 1 : text[i] == '<' ? 4 : 3;
    if (i >= text.size())
      break;
    size_t open = text.find('{', i);
    if (text[i] == '@') {
      size_t semi = text.find(';', i);
      size_t end = semi != std::string::npos && (open == std::string::npos || semi < open) ? semi + 1
                   : open == std::string::npos                                          ? text.size()
                                                                                         : blockEnd(text, open);
      sheet.kept += text.substr(i, end - i) + "\n";
      i = end;
      continue;
    }
    if (open == std::string::npos)
      break;
    size_t end = blockEnd(text, open);
    std::string prelude = text.substr(i, open - i);
    std::string body = text.substr(open + 1, end - open - 2 < text.size() ? end - open - 2 : 0);
    std::vector<std::pair<Selector, std::string>> selectors;
    bool all = true;
    size_t from = 0;
    int depth = 0;
    for (size_t k = 0; k <= prelude.size(); ++k) {
      if (k < prelude.size() && (prelude[k] == '(' || prelude[k] == '['))
        ++depth;
      else if (k < prelude.size() && (prelude[k] == ')' || prelude[k] == ']'))
        --depth;
      else if (k == prelude.size() || (prelude[k] == ',' && depth == 0)) {
        std::string one = trim(prelude.substr(from, k - from));
        Selector sel;
        SelectorParser parser(one);
        if (!one.empty() && parser.parse(sel))
          selectors.emplace_back(std::move(sel), one);
        else
          all = false;
        from = k + 1;
      }
    }
    if (!all)
      sheet.kept += text.substr(i, end - i) + "\n";
    if (!selectors.empty()) {
      sheet.blocks.push_back(declarations(body));
      for (auto& [sel, one] : selectors)
        pending.push_back({std::move(sel), sheet.blocks.size() - 1, all ? one + " {" + body + "}\n" : ""});
    }
    i = end;
  }
  for (Pending& r : pending)
    sheet.rules.push_back({std::move(r.selector), sheet.rules.size(), &sheet.blocks[r.block], std::move(r.text)});
}

std::string styleText(const pugi::xml_node& style)
{
  std::string text;
  for (pugi::xml_node c : style.children())
    if (c.type() == pugi::node_pcdata || c.type() == pugi::node_cdata)
      text += c.value();
  return text;
}

} // namespace hostsimSvgCss_detail

void SvgCss::apply(pugi::xml_node svg)
{
  using namespace hostsimSvgCss_detail;
  std::vector<pugi::xml_node> styles;
  struct Finder : pugi::xml_tree_walker
  {
    std::vector<pugi::xml_node>* styles;
    std::vector<pugi::xml_node> elements;
    bool for_each(pugi::xml_node& n) override
    {
      if (n.type() != pugi::node_element)
        return true;
      elements.push_back(n);
      const char* type = n.attribute("type").value();
      if (!std::strcmp(n.name(), "style") && (!*type || !std::strcmp(type, "text/css")))
        styles->push_back(n);
      return true;
    }
  } finder;
  finder.styles = &styles;
  finder.elements.push_back(svg);
  svg.traverse(finder);
  if (styles.empty())
    return;
  Sheet sheet;
  std::string all;
  for (const pugi::xml_node& s : styles)
    all += styleText(s) + "\n";
  readSheet(all, sheet);
  // Rules by the most telling part of their last compound: its id, a class, or its type.
  std::unordered_map<std::string, std::vector<Rule*>> byKey;
  std::vector<Rule*> rest;
  for (Rule& r : sheet.rules) {
    const Compound& last = r.selector.compounds.back();
    auto id = std::find_if(last.simples.begin(), last.simples.end(), [](const Simple& s) { return s.kind == Simple::Id; });
    auto cls = std::find_if(last.simples.begin(), last.simples.end(), [](const Simple& s) { return s.kind == Simple::Class; });
    if (id != last.simples.end())
      byKey["#" + id->name].push_back(&r);
    else if (cls != last.simples.end())
      byKey["." + cls->name].push_back(&r);
    else if (!last.type.empty())
      byKey[last.type].push_back(&r);
    else
      rest.push_back(&r);
  }
  std::vector<Rule*> matched;
  for (pugi::xml_node e : finder.elements) {
    matched.clear();
    auto consider = [&](const std::vector<Rule*>& rules) {
      for (Rule* r : rules)
        if (matchesUpTo(e, r->selector, r->selector.compounds.size() - 1)) {
          matched.push_back(r);
          r->matchedAny = true;
        }
    };
    if (auto it = byKey.find(e.name()); it != byKey.end())
      consider(it->second);
    if (const char* id = e.attribute("id").value(); *id)
      if (auto it = byKey.find(std::string("#") + id); it != byKey.end())
        consider(it->second);
    std::string classes = e.attribute("class").value();
    std::vector<std::string> seen;
    for (size_t i = 0; i < classes.size();) {
      size_t end = classes.find_first_of(" \t\r\n\f", i);
      if (end == std::string::npos)
        end = classes.size();
      std::string c = classes.substr(i, end - i);
      i = end + 1;
      if (c.empty() || std::find(seen.begin(), seen.end(), c) != seen.end())
        continue;
      seen.push_back(c);
      if (auto it = byKey.find("." + c); it != byKey.end())
        consider(it->second);
    }
    consider(rest);
    if (matched.empty())
      continue;
    std::sort(matched.begin(), matched.end(), [](const Rule* a, const Rule* b) {
      return a->selector.specificity != b->selector.specificity ? a->selector.specificity < b->selector.specificity
                                                                : a->order < b->order;
    });
    // Sheet declarations, then the element's own style, then the sheet's important ones: in a style
    // attribute the last declaration of a property wins.
    std::vector<Declaration> cascade;
    auto add = [&](bool important) {
      for (const Rule* r : matched)
        for (const Declaration& d : *r->declarations)
          if (d.important == important)
            cascade.push_back(d);
    };
    add(false);
    for (const Declaration& d : declarations(e.attribute("style").value()))
      cascade.push_back(d);
    add(true);
    // Each property once, with the value that wins.
    std::string text;
    for (size_t i = 0; i < cascade.size(); ++i) {
      bool later = std::any_of(cascade.begin() + static_cast<std::ptrdiff_t>(i) + 1, cascade.end(),
                               [&](const Declaration& d) { return d.name == cascade[i].name; });
      if (!later)
        text += (text.empty() ? "" : ";") + cascade[i].name + ":" + cascade[i].value;
    }
    (e.attribute("style") ? e.attribute("style") : e.append_attribute("style")).set_value(text.c_str());
  }
  for (const Rule& r : sheet.rules)
    if (!r.matchedAny)
      sheet.kept += r.text;
  // Every style element now holds only what was not settled (the first holds it all); one left empty goes.
  for (size_t i = 0; i < styles.size(); ++i) {
    while (pugi::xml_node c = styles[i].first_child())
      styles[i].remove_child(c);
    if (i == 0 && !trim(sheet.kept).empty())
      styles[i].append_child(pugi::node_pcdata).set_value(sheet.kept.c_str());
    else if (!styles[i].attribute("id"))
      styles[i].parent().remove_child(styles[i]);
  }
}

} // namespace hostsim
