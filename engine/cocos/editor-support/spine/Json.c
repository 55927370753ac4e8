/* JSON reader: a recursive-descent parser building Json records.
 *
 * Numbers go through strtod; the float value holds the result as a float and
 * the integer value holds it truncated toward zero. Strings are decoded into
 * UTF-8, \u surrogate pairs becoming one code point. */
#include "Json.h"

#include <limits.h>
#include <stdlib.h>
#include <string.h>

static char json_error[48];
/* set on failure even when the text left there is empty (input cut short) */
static int json_failed;

static void set_error(const char* at) {
	size_t n = 0;
	json_failed = 1;
	if (at) {
		while (n < sizeof(json_error) - 1 && at[n]) {
			json_error[n] = at[n];
			++n;
		}
	}
	json_error[n] = 0;
}

const char* Json_getError(void) {
	return json_failed ? json_error : 0;
}

static Json* new_item(void) {
	return (Json*)calloc(1, sizeof(Json));
}

void Json_dispose(Json* c) {
	while (c) {
		Json* next = c->next;
		if (c->child) Json_dispose(c->child);
		free((void*)c->valueString);
		free((void*)c->name);
		free(c);
		c = next;
	}
}

static const char* skip(const char* in) {
	while (in && *in && (unsigned char)*in <= 32) ++in;
	return in;
}

static const char* parse_value(Json* item, const char* value, int depth);

static const char* parse_number(Json* item, const char* num) {
	char* end = 0;
	double n;
	const char* p = num;
	/* only JSON's own form: no "inf", "nan" or hexadecimal after a sign */
	if (*p == '-') ++p;
	if (*p < '0' || *p > '9') {
		set_error(num);
		return 0;
	}
	for (++p; (*p >= '0' && *p <= '9') || *p == '.' || *p == 'e' || *p == 'E' || *p == '+' || *p == '-'; ++p) {}
	if (*p == 'x' || *p == 'X') {
		set_error(num);
		return 0;
	}
	n = strtod(num, &end);
	if (end == num) {
		set_error(num);
		return 0;
	}
	item->valueFloat = (float)n;
	/* truncate toward zero, saturating outside the int range */
	if (n >= (double)INT_MAX) item->valueInt = INT_MAX;
	else if (n <= (double)INT_MIN) item->valueInt = INT_MIN;
	else if (n != n) item->valueInt = 0;
	else item->valueInt = (int)n;
	item->type = Json_Number;
	return end;
}

static int hex4(const char* p, unsigned* out) {
	unsigned v = 0;
	int i;
	for (i = 0; i < 4; ++i) {
		char ch = p[i];
		v <<= 4;
		if (ch >= '0' && ch <= '9') v |= (unsigned)(ch - '0');
		else if (ch >= 'a' && ch <= 'f') v |= (unsigned)(ch - 'a' + 10);
		else if (ch >= 'A' && ch <= 'F') v |= (unsigned)(ch - 'A' + 10);
		else return 0;
	}
	*out = v;
	return 1;
}

static char* put_utf8(char* out, unsigned cp) {
	if (cp < 0x80) {
		*out++ = (char)cp;
	} else if (cp < 0x800) {
		*out++ = (char)(0xC0 | (cp >> 6));
		*out++ = (char)(0x80 | (cp & 0x3F));
	} else if (cp < 0x10000) {
		*out++ = (char)(0xE0 | (cp >> 12));
		*out++ = (char)(0x80 | ((cp >> 6) & 0x3F));
		*out++ = (char)(0x80 | (cp & 0x3F));
	} else {
		*out++ = (char)(0xF0 | (cp >> 18));
		*out++ = (char)(0x80 | ((cp >> 12) & 0x3F));
		*out++ = (char)(0x80 | ((cp >> 6) & 0x3F));
		*out++ = (char)(0x80 | (cp & 0x3F));
	}
	return out;
}

/* Reads a quoted string starting at str (which points at the quote) into a
 * newly allocated UTF-8 buffer; returns the position after the closing quote. */
static const char* parse_string_raw(const char* str, char** result) {
	const char* ptr = str + 1;
	size_t len = 0;
	char* out;
	char* o;
	if (*str != '"') {
		set_error(str);
		return 0;
	}
	/* every escape decodes to at most as many bytes as it occupies */
	while (*ptr && *ptr != '"') {
		if (*ptr == '\\' && ptr[1]) ++ptr;
		++ptr;
		++len;
	}
	if (*ptr != '"') {
		set_error(str);
		return 0;
	}
	out = (char*)malloc(len * 4 + 1);
	if (!out) return 0;
	o = out;
	ptr = str + 1;
	while (*ptr != '"') {
		if (*ptr != '\\') {
			*o++ = *ptr++;
			continue;
		}
		++ptr;
		switch (*ptr) {
		case 'b': *o++ = '\b'; break;
		case 'f': *o++ = '\f'; break;
		case 'n': *o++ = '\n'; break;
		case 'r': *o++ = '\r'; break;
		case 't': *o++ = '\t'; break;
		case 'u': {
			unsigned cp;
			if (!hex4(ptr + 1, &cp)) {
				free(out);
				set_error(ptr);
				return 0;
			}
			ptr += 4;
			if (cp >= 0xD800 && cp <= 0xDBFF) {
				unsigned low;
				if (ptr[1] == '\\' && ptr[2] == 'u' && hex4(ptr + 3, &low) && low >= 0xDC00 && low <= 0xDFFF) {
					cp = 0x10000 + (((cp & 0x3FF) << 10) | (low & 0x3FF));
					ptr += 6;
				} else {
					cp = 0xFFFD; /* lone high surrogate */
				}
			} else if (cp >= 0xDC00 && cp <= 0xDFFF) {
				cp = 0xFFFD; /* lone low surrogate */
			}
			if (cp == 0) cp = 0xFFFD; /* an embedded NUL would cut the string */
			o = put_utf8(o, cp);
			break;
		}
		default: *o++ = *ptr; break; /* \" \\ \/ and anything else: the character itself */
		}
		++ptr;
	}
	*o = 0;
	*result = out;
	return ptr + 1;
}

static const char* parse_string(Json* item, const char* str) {
	char* s = 0;
	const char* end = parse_string_raw(str, &s);
	if (!end) return 0;
	item->valueString = s;
	item->type = Json_String;
	return end;
}

static const char* parse_array(Json* item, const char* value, int depth) {
	Json* child;
	item->type = Json_Array;
	value = skip(value + 1);
	if (*value == ']') return value + 1;
	item->child = child = new_item();
	if (!child) return 0;
	value = skip(parse_value(child, skip(value), depth + 1));
	if (!value) return 0;
	item->size = 1;
	while (*value == ',') {
		Json* next = new_item();
		if (!next) return 0;
		child->next = next;
#if SPINE_JSON_HAVE_PREV
		next->prev = child;
#endif
		child = next;
		value = skip(parse_value(child, skip(value + 1), depth + 1));
		if (!value) return 0;
		item->size++;
	}
	if (*value == ']') return value + 1;
	set_error(value);
	return 0;
}

static const char* parse_member(Json* child, const char* value, int depth) {
	char* name = 0;
	value = skip(parse_string_raw(skip(value), &name));
	if (!value) return 0;
	child->name = name;
	if (*value != ':') {
		set_error(value);
		return 0;
	}
	return skip(parse_value(child, skip(value + 1), depth + 1));
}

static const char* parse_object(Json* item, const char* value, int depth) {
	Json* child;
	item->type = Json_Object;
	value = skip(value + 1);
	if (*value == '}') return value + 1;
	item->child = child = new_item();
	if (!child) return 0;
	value = parse_member(child, value, depth);
	if (!value) return 0;
	item->size = 1;
	while (*value == ',') {
		Json* next = new_item();
		if (!next) return 0;
		child->next = next;
#if SPINE_JSON_HAVE_PREV
		next->prev = child;
#endif
		child = next;
		value = parse_member(child, value + 1, depth);
		if (!value) return 0;
		item->size++;
	}
	if (*value == '}') return value + 1;
	set_error(value);
	return 0;
}

static const char* parse_value(Json* item, const char* value, int depth) {
	if (!value) return 0;
	if (depth > Json_MaxDepth) {
		set_error(value);
		return 0;
	}
	if (!strncmp(value, "null", 4)) {
		item->type = Json_NULL;
		return value + 4;
	}
	if (!strncmp(value, "false", 5)) {
		item->type = Json_False;
		return value + 5;
	}
	if (!strncmp(value, "true", 4)) {
		item->type = Json_True;
		item->valueInt = 1;
		return value + 4;
	}
	if (*value == '"') return parse_string(item, value);
	if (*value == '-' || (*value >= '0' && *value <= '9')) return parse_number(item, value);
	if (*value == '[') return parse_array(item, value, depth);
	if (*value == '{') return parse_object(item, value, depth);
	set_error(value);
	return 0;
}

Json* Json_create(const char* value) {
	Json* c;
	if (!value) return 0;
	json_error[0] = 0;
	json_failed = 0;
	/* a UTF-8 byte order mark is not part of the document */
	if ((unsigned char)value[0] == 0xEF && (unsigned char)value[1] == 0xBB && (unsigned char)value[2] == 0xBF) value += 3;
	c = new_item();
	if (!c) return 0;
	if (!parse_value(c, skip(value), 0)) {
		Json_dispose(c);
		return 0;
	}
	return c;
}

static int name_equals(const char* a, const char* b) {
	for (;; ++a, ++b) {
		unsigned char ca = (unsigned char)*a, cb = (unsigned char)*b;
		if (ca >= 'A' && ca <= 'Z') ca = (unsigned char)(ca - 'A' + 'a');
		if (cb >= 'A' && cb <= 'Z') cb = (unsigned char)(cb - 'A' + 'a');
		if (ca != cb) return 0;
		if (!ca) return 1;
	}
}

Json* Json_getItem(Json* object, const char* string) {
	Json* c;
	if (!object || !string) return 0;
	for (c = object->child; c; c = c->next) {
		if (c->name && name_equals(c->name, string)) return c;
	}
	return 0;
}

const char* Json_getString(Json* object, const char* name, const char* defaultValue) {
	Json* item = Json_getItem(object, name);
	return item ? item->valueString : defaultValue;
}

float Json_getFloat(Json* object, const char* name, float defaultValue) {
	Json* item = Json_getItem(object, name);
	return item ? item->valueFloat : defaultValue;
}

int Json_getInt(Json* object, const char* name, int defaultValue) {
	Json* item = Json_getItem(object, name);
	return item ? item->valueInt : defaultValue;
}
