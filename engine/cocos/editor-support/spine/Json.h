/* A small JSON reader in plain C, as used by the skeleton and layout loaders.
 *
 * The document is a tree of Json records. Children of an array or object form
 * a singly linked list in document order; names are compared without regard
 * to ASCII case when members are looked up. */
#ifndef SPINE_JSON_H_
#define SPINE_JSON_H_

#ifdef __cplusplus
extern "C" {
#endif

/* Json types */
#define Json_False 0
#define Json_True 1
#define Json_NULL 2
#define Json_Number 3
#define Json_String 4
#define Json_Array 5
#define Json_Object 6

/* Deepest nesting of arrays and objects the reader accepts; deeper input is
 * refused rather than risking the stack. */
#define Json_MaxDepth 512

typedef struct Json {
	struct Json* next;
#if SPINE_JSON_HAVE_PREV
	struct Json* prev;
#endif
	struct Json* child; /* first child of an array or object */

	int type;
	int size; /* number of children */

	const char* valueString;
	int valueInt;
	float valueFloat;

	const char* name; /* the key of this value inside its object, else 0 */
} Json;

/* Parses the text; returns the root or 0 when the text is not valid JSON. The
 * caller owns the tree and frees it with Json_dispose. */
Json* Json_create(const char* value);

/* Frees a tree made by Json_create. */
void Json_dispose(Json* json);

/* The first member of the object with the name (ASCII case ignored), or 0. */
Json* Json_getItem(Json* json, const char* string);

const char* Json_getString(Json* json, const char* name, const char* defaultValue);
float Json_getFloat(Json* json, const char* name, float defaultValue);
int Json_getInt(Json* json, const char* name, int defaultValue);

/* Text at the place where the last parse failed, or 0. */
const char* Json_getError(void);

#ifdef __cplusplus
}
#endif

#endif /* SPINE_JSON_H_ */
